#include "install/recovery.h"

#include "install/update_commit.h"
#include "install/update_journal.h"
#include "install/update_log.h"

namespace {

void recover(const UpdateJournal& journal) {
  if (!journal.committing) {
    logEvent(undoStaging(journal)
                 ? "recovery: an update stopped before its commit; its staged files are removed"
                 : "recovery: an update stopped before its commit; a staged file stays, the next "
                   "start tries again");
    return;
  }
  const int placed = putStagedFilesInPlace(journal);
  if (placed < journal.targetCount) {
    logEvent(
        "recovery: an update stopped during its commit; %s cannot be replaced yet, the "
        "next start tries again",
        journal.targets[placed]);
    return;
  }
  logEvent("recovery: an update stopped during its commit; its files are now in place");
  completeCommit(journal);
}

}  // namespace

void recoverInterruptedUpdate() {
  UpdateJournal journal;
  if (readJournal(journal) == JournalFile::Missing) return;
  char path[500] = "the journal";
  journalPath(path, sizeof path);
  platform::FileLock* lock = lockUpdates();
  if (lock == nullptr) {
    logEvent("recovery: another installer is at work on the update of %s", path);
    return;
  }
  // Read again under the lock: another installer may have finished first.
  switch (readJournal(journal)) {
    case JournalFile::Missing:
      break;
    case JournalFile::Unreadable:
      logEvent("recovery: %s cannot be read now; the next start tries again", path);
      break;
    case JournalFile::Damaged:
      logEvent("recovery: %s is damaged and removed", path);
      removeJournal();
      break;
    case JournalFile::Read:
      recover(journal);
      break;
  }
  platform::unlockFile(lock);
}
