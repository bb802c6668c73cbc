#include "install/staging_paths.h"

#include "archive/path_format.h"

bool stagingPathsOf(const char* target, StagingPaths& paths) {
  return formatPath(paths.target, sizeof paths.target, "%s", target) &&
         formatPath(paths.staged, sizeof paths.staged, "%s.tx3inst-new", target) &&
         formatPath(paths.backup, sizeof paths.backup, "%s.tx3inst-old", target);
}
