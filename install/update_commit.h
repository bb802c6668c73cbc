#pragma once

#include "install/update_journal.h"

// The commit of an update whose journal says it is committing: every staged
// file goes in place of its target, in table order. Returns how many targets
// hold their new file; all of them when the commit got through.
int putStagedFilesInPlace(const UpdateJournal& journal);

// Puts back the first `count` targets of the journal, last first, so that
// the game is as it was before the commit; their new files are staged again.
bool putBackStagedFiles(const UpdateJournal& journal, int count);

// What follows once every file is in place: the version is recorded (when
// the journal holds one), the game's cache, the kept old files and the
// language readme in the update's folder are removed, and last the journal,
// unless a kept old file stays: then the next start tries again. Tells the
// log each step; false when the version could not be recorded.
bool completeCommit(const UpdateJournal& journal);

// Removes every staged file the journal names, and then the journal: an
// update undone. A staged file that stays keeps the journal for the next
// start; false then.
bool undoStaging(const UpdateJournal& journal);
