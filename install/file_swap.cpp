#include "install/file_swap.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/pause.h"

namespace {

constexpr int kFirstPause = 50;
constexpr int kLongestWait = 2000;

// A program that holds a file open without sharing it usually lets it go
// soon; each pause is twice the last until the wait is used up.
bool replaceWaiting(const char* from, const char* to) {
  int waited = 0;
  for (int pause = kFirstPause; !platform::replaceFile(from, to); pause *= 2) {
    if (waited >= kLongestWait) return false;
    const int step = std::min(pause, kLongestWait - waited);
    platform::pause(step);
    waited += step;
  }
  return true;
}

}  // namespace

bool swapIn(const StagingPaths& paths) {
  if (!platform::fileExists(paths.staged)) return true;
  // A read-only file may be renamed, but keeps the attribute where it goes.
  if (platform::fileExists(paths.target) && !replaceWaiting(paths.target, paths.backup))
    return false;
  return replaceWaiting(paths.staged, paths.target);
}

bool putBack(const StagingPaths& paths) {
  if (!platform::fileExists(paths.staged) && platform::fileExists(paths.target) &&
      !replaceWaiting(paths.target, paths.staged))
    return false;
  return !platform::fileExists(paths.backup) || replaceWaiting(paths.backup, paths.target);
}

bool removeStaged(const StagingPaths& paths) {
  return !platform::fileExists(paths.staged) || platform::removeFile(paths.staged);
}

bool removeBackup(const StagingPaths& paths) {
  if (!platform::fileExists(paths.backup)) return true;
  platform::makeWritable(paths.backup);
  return platform::removeFile(paths.backup);
}
