#include "install/update_transaction.h"

#include <cstring>

#include "archive/path_format.h"
#include "install/entry_staging.h"
#include "install/file_swap.h"
#include "install/readme_files.h"
#include "install/room_check.h"
#include "install/staging_paths.h"
#include "install/update_commit.h"
#include "install/update_log.h"
#include "install/update_version.h"

namespace {

// Enough to keep each turn of the wizard short, few enough to copy fast.
constexpr int64_t kSliceBytes = 4 * 1024 * 1024;

void logFailure(const char* what, int index, const FileFailure& failure) {
  logEvent("%s: entry %s, file %s: %s", what, ArchiveEntryTable[index].fileName, failure.file,
           failure.reason);
}

StagingPaths pathsOf(const char* target) {
  StagingPaths paths{};
  stagingPathsOf(target, paths);
  return paths;
}

// The readme is removed from the update's folder by whoever completes the
// commit, maybe a later start from elsewhere: its path is kept whole.
void readmeSourcePath(int32_t language, char* path, size_t room) {
  char folder[500];
  if (!platform::currentDirectory(folder, sizeof folder) ||
      !formatPath(path, room, "%s\\%s", folder, readmeFileName(language)))
    path[0] = '\0';
}

}  // namespace

StepOutcome UpdateTransaction::stageEntry(int index, const char* installDir, int32_t language) {
  if (copying_) return staged(index, copy_.copySome(kSliceBytes));
  char target[500];
  if (!entryTarget(index, installDir, target, sizeof target)) {
    noteFileFailure(&failure_, installDir, "the path is too long");
    logFailure("write failed", index, failure_);
    return StepOutcome::TargetFault;
  }
  if ((replan_ || std::strcmp(target, planned_[index]) != 0) && !plan(index, installDir, language))
    return StepOutcome::TargetFault;
  const StagingPaths paths = pathsOf(planned_[index]);
  staged_[index] = false;
  if (isReadmeEntry(index)) readmeSourcePath(language, readmeSource_, sizeof readmeSource_);
  CopyProgress progress = startStaging(copy_, index, paths.staged, language, &failure_,
                                       expectedDigest(digests_, index, language));
  if (progress == CopyProgress::Copying) progress = copy_.copySome(kSliceBytes);
  return staged(index, progress);
}

StepOutcome UpdateTransaction::staged(int index, CopyProgress progress) {
  copying_ = progress == CopyProgress::Copying;
  if (copying_) return StepOutcome::Copying;
  if (progress == CopyProgress::Done) {
    staged_[index] = true;
    logEvent("staged %s, %lld bytes", planned_[index], static_cast<long long>(copy_.copied()));
    return StepOutcome::Done;
  }
  copy_.stop();
  removeStaged(pathsOf(planned_[index]));
  if (progress == CopyProgress::SourceFault) {
    logFailure("update file failed", index, failure_);
    replan_ = true;
    return StepOutcome::SourceFault;
  }
  if (isOptionalEntry(index)) {
    logFailure("passed over", index, failure_);
    return StepOutcome::Done;
  }
  logFailure("write failed", index, failure_);
  replan_ = true;
  return StepOutcome::TargetFault;
}

// Entries from `first` on go into `installDir` from now on.
bool UpdateTransaction::plan(int first, const char* installDir, int32_t language) {
  replan_ = true;
  if (!hasRoomToStage(first, installDir, language)) return false;
  if (lock_ == nullptr && !lockAndCheckJournal()) return false;
  for (int i = first; i < kArchiveEntryCount; ++i) {
    if (!entryTarget(i, installDir, planned_[i], sizeof planned_[i])) return false;
    staged_[i] = false;
  }
  if (!saveJournal(plannedJournal())) return false;
  state_ = State::Staging;
  replan_ = false;
  return true;
}

// Another installer at work on the game, or an earlier update that could
// not be finished, must be left alone.
bool UpdateTransaction::lockAndCheckJournal() {
  char journal[500] = "the journal";
  journalPath(journal, sizeof journal);
  lock_ = lockUpdates();
  if (lock_ == nullptr) {
    logEvent("write failed: another installer is updating the game, or %s cannot be made", journal);
    return false;
  }
  UpdateJournal earlier;
  if (readJournal(earlier) == JournalFile::Missing) return true;
  logEvent("write failed: an earlier update is still to be finished (%s)", journal);
  release();
  return false;
}

bool UpdateTransaction::saveJournal(const UpdateJournal& journal) {
  FileFailure failure;
  if (writeJournal(journal, failure)) return true;
  logEvent("write failed: the update's journal %s: %s", failure.file, failure.reason);
  return false;
}

// Every file that may have been staged, for an undo after a stop.
UpdateJournal UpdateTransaction::plannedJournal() const {
  UpdateJournal journal;
  for (const char* target : planned_)
    if (target[0] != '\0') std::strcpy(journal.targets[journal.targetCount++], target);
  return journal;
}

StepOutcome UpdateTransaction::commit(const char* installDir) {
  if (lock_ == nullptr && !lockAndCheckJournal()) return StepOutcome::TargetFault;
  UpdateJournal journal;
  journal.committing = true;
  if (recordVersion_) std::strcpy(journal.version, NEW_VERSION);
  formatPath(journal.cache, sizeof journal.cache, "%s\\tx3.icd", installDir);
  for (int i = 0; i < kArchiveEntryCount; ++i) {
    if (!staged_[i]) continue;
    std::strcpy(journal.targets[journal.targetCount++], planned_[i]);
    if (isReadmeEntry(i)) std::strcpy(journal.readme, readmeSource_);
  }
  if (!saveJournal(journal)) return StepOutcome::TargetFault;

  const int placed = putStagedFilesInPlace(journal);
  if (placed < journal.targetCount) {
    FileFailure failure;
    noteFileFailure(&failure, journal.targets[placed]);
    logEvent("write failed: file %s cannot be replaced: %s", failure.file, failure.reason);
    // The target that failed may be half replaced too.
    journal.committing = !putBackStagedFiles(journal, placed + 1);
    state_ = journal.committing ? State::HalfCommitted : State::Staging;
    if (!journal.committing && saveJournal(journal))
      logEvent("every file is put back; the staged files are kept");
    return StepOutcome::TargetFault;
  }
  versionMissing_ = !completeCommit(journal);
  state_ = State::Committed;
  return StepOutcome::Finished;
}

void UpdateTransaction::abandon() {
  copy_.stop();
  copying_ = false;
  if (state_ == State::Staging) {
    logEvent(undoStaging(plannedJournal())
                 ? "update not completed: the staged files are removed, the game is as it was"
                 : "update not completed: the game is as it was; a staged file stays, the next "
                   "start removes it");
  } else if (state_ == State::HalfCommitted) {
    logEvent("update not completed: its next start puts the files in place");
  }
  state_ = State::Idle;
  release();
}

void UpdateTransaction::release() {
  platform::unlockFile(lock_);
  lock_ = nullptr;
}
