#include "install/update_commit.h"

#include "install/file_swap.h"
#include "install/settings.h"
#include "install/staging_paths.h"
#include "install/update_log.h"
#include "platform/files.h"

namespace {

// A journal's targets all fit their staging paths: the journal was made from
// them.
StagingPaths pathsOf(const UpdateJournal& journal, int index) {
  StagingPaths paths{};
  stagingPathsOf(journal.targets[index], paths);
  return paths;
}

bool recordVersion(const char* version) {
  if (version[0] == '\0') return true;
  if (writeSetting(kProductName, "Version", version)) {
    logEvent("version recorded: %s", version);
    return true;
  }
  logEvent("version not recorded: the game's settings could not be written");
  return false;
}

// tx3.icd was made from the old data and goes.
void removeCache(const char* cache) {
  if (cache[0] == '\0') return;
  platform::makeWritable(cache);
  platform::removeFile(cache);
}

// The readme leaves the update's folder last of all, so that an update that
// stops before can be run again. A folder that cannot be changed (a disc, a
// read-only share) keeps it.
void removeReadme(const char* readme) {
  platform::makeWritable(readme);
  if (!platform::removeFile(readme) && platform::fileExists(readme))
    logEvent("the update's folder keeps %s", readme);
}

}  // namespace

int putStagedFilesInPlace(const UpdateJournal& journal) {
  int placed = 0;
  while (placed < journal.targetCount && swapIn(pathsOf(journal, placed))) ++placed;
  return placed;
}

bool putBackStagedFiles(const UpdateJournal& journal, int count) {
  bool putBackAll = true;
  for (int i = count - 1; i >= 0; --i) putBackAll = putBack(pathsOf(journal, i)) && putBackAll;
  return putBackAll;
}

bool completeCommit(const UpdateJournal& journal) {
  logEvent("installed: %d files in place", journal.targetCount);
  const bool recorded = recordVersion(journal.version);
  removeCache(journal.cache);
  bool removedAll = true;
  for (int i = 0; i < journal.targetCount; ++i)
    removedAll = removeBackup(pathsOf(journal, i)) && removedAll;
  removeReadme(journal.readme);
  if (removedAll)
    removeJournal();
  else
    logEvent("old files are left beside the new ones; the next start removes them");
  return recorded;
}

bool undoStaging(const UpdateJournal& journal) {
  bool removedAll = true;
  for (int i = 0; i < journal.targetCount; ++i)
    removedAll = removeStaged(pathsOf(journal, i)) && removedAll;
  return removedAll && removeJournal();
}
