#include "install/quick_start.h"

#include <cstring>

#include "archive/file_failure.h"
#include "archive/path_format.h"
#include "install/update_log.h"
#include "platform/files.h"

namespace {

// Windows also matches *.qst against generated short names, so that
// league.qstx (LEAGUE~1.QST) is found too: only a name's own extension
// counts. Hidden and system files are the user's own business, not the game's.
bool isQuickStartFile(const platform::FoundFile& found) {
  const char* extension = std::strrchr(found.name, '.');
  return extension != nullptr && std::strlen(extension) == 4 &&
         sameIgnoringCase(extension, ".qst", 4) && !found.isFolder && !found.isHiddenOrSystem;
}

void removeQuickStartFile(const char* installDir, const char* name) {
  char path[500];
  if (!formatPath(path, sizeof path, "%s\\qstart\\%s", installDir, name)) return;
  platform::makeWritable(path);
  if (platform::removeFile(path)) {
    logEvent("quick-start file removed: %s", path);
    return;
  }
  FileFailure failure;
  noteFileFailure(&failure, path);
  logEvent("quick-start file not removed: %s: %s", failure.file, failure.reason);
}

}  // namespace

bool clearQuickStart(const char* installDir, bool remove) {
  char pattern[500];
  if (!formatPath(pattern, sizeof pattern, "%s\\qstart\\*.qst", installDir)) return false;
  platform::FoundFile found;
  platform::FileSearch* search = platform::findFirstFile(pattern, found);
  bool matched = false;
  for (bool more = search != nullptr; more; more = platform::findNextFile(search, found)) {
    if (!isQuickStartFile(found)) continue;
    matched = true;
    if (!remove) break;
    removeQuickStartFile(installDir, found.name);
  }
  if (search != nullptr) platform::findClose(search);
  return remove || matched;
}
