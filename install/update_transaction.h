#pragma once

#include <cstdint>

#include "archive/archive_table.h"
#include "archive/file_copy.h"
#include "archive/file_failure.h"
#include "install/step_outcome.h"
#include "install/update_digests.h"
#include "install/update_journal.h"
#include "platform/files.h"

// One update, all or nothing. Each entry's new file is written beside its
// target and flushed to the disk; no file of the game is opened for writing.
// The commit then renames every staged file over its target, keeping the
// old one until all are in place, and records the version. Until the commit
// the game is untouched; an update that stops before (a fault, the user, a
// killed process) leaves it as it was, and a journal outside the game lets
// the next start undo or finish what a killed process left. Each file is
// hashed as it is staged when the digests tell what it must hash to.
class UpdateTransaction {
 public:
  // `digests`: what the update's files must hash to.
  explicit UpdateTransaction(const UpdateDigests& digests = kUpdateDigests) : digests_(digests) {}
  // An update that did not complete is undone: what was staged is removed,
  // and the game stays as it was before the update.
  ~UpdateTransaction();
  UpdateTransaction(const UpdateTransaction&) = delete;
  UpdateTransaction& operator=(const UpdateTransaction&) = delete;

  // Stages entry `index` for the folder, a slice of its bytes per call:
  // Copying while bytes remain, Done once it is staged (or an optional entry
  // was passed over), else the fault, told to the log. The room on the
  // drive is checked and the journal written before the first entry, and
  // again when the update goes on after a failure or into another folder.
  StepOutcome stageEntry(int index, const char* installDir, int32_t language);

  // Puts every staged file in place, records the version and removes the
  // game's cache in `installDir`: Finished. A file that cannot be put in
  // place gives TargetFault, with every file put back and the staged ones
  // kept for another try.
  StepOutcome commit(const char* installDir);

  // Whether the commit records the new version in the game's settings: only
  // for the installation they name, whose version they record.
  void recordVersion(bool record) { recordVersion_ = record; }

  // True after a commit that was to record the version and could not.
  bool versionMissing() const { return versionMissing_; }

 private:
  enum class State { Idle, Staging, HalfCommitted, Committed };

  bool plan(int first, const char* installDir, int32_t language);
  bool lockAndCheckJournal();
  bool saveJournal(const UpdateJournal& journal);
  UpdateJournal plannedJournal() const;
  StepOutcome staged(int index, CopyProgress progress);
  void release();

  bool recordVersion_ = true;
  const UpdateDigests& digests_;
  State state_ = State::Idle;
  bool replan_ = true;
  bool copying_ = false;
  bool versionMissing_ = false;
  platform::FileLock* lock_ = nullptr;
  FileCopy copy_;
  FileFailure failure_;
  char readmeSource_[500] = {};
  char planned_[kArchiveEntryCount][500] = {};
  bool staged_[kArchiveEntryCount] = {};
};
