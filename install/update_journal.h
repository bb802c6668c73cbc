#pragma once

#include <cstddef>

#include "archive/archive_table.h"
#include "archive/file_failure.h"
#include "install/text_room.h"
#include "platform/files.h"

// What the next start needs to undo or finish an update that stopped. It is
// kept in one file in a folder that every user of the machine shares, so
// that it is found whatever folder the update went into, and it is replaced
// whole, on the disk, at each change of state.
struct UpdateJournal {
  bool committing = false;       // false: files are staged beside their targets, none replaced
  char version[kTextRoom] = {};  // recorded once every file is in place; empty: none
  char cache[500] = {};          // the game's cache, removed with the commit
  char readme[500] = {};         // the language readme, removed from the update's folder last
  int targetCount = 0;
  char targets[kArchiveEntryCount][500] = {};
};

// The journal as text, one "key value" line a field, ending with a line that
// shows it whole. False when it does not fit into `room`.
bool formatJournal(const UpdateJournal& journal, char* text, size_t room);
// False for anything but a whole journal; then `journal` is undefined.
bool parseJournal(const char* text, size_t length, UpdateJournal& journal);

// Unreadable: there, but it cannot be opened now (another program holds it).
enum class JournalFile { Missing, Unreadable, Damaged, Read };
JournalFile readJournal(UpdateJournal& journal);
// Replaces the journal through a file beside it, flushed before it takes the
// journal's place. `failure` tells why it could not be.
bool writeJournal(const UpdateJournal& journal, FileFailure& failure);
bool removeJournal();
// The journal's path, for the log; false when it cannot be told.
bool journalPath(char* path, size_t room);

// Only one installer at a time may stage, commit or recover an update: null
// when another holds the updates already or the folder cannot be made.
platform::FileLock* lockUpdates();
