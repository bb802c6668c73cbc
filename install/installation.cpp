#include "install/installation.h"

#include <cstdio>
#include <cstring>

#include "archive/path_format.h"
#include "install/settings.h"
#include "install/text_room.h"
#include "install/update_log.h"
#include "platform/files.h"

namespace {

// The game's own setup of the first release stored this word instead of a
// version text.
constexpr const char* kFirstReleaseMark = "Release";
constexpr const char* kFirstReleaseVersion = "Version 3.02 (ENG)";

}  // namespace

bool holdsGame(const char* folder) {
  char path[500];
  std::FILE* file = formatPath(path, sizeof path, "%s\\tx3.exe", folder)
                        ? platform::openFile(path, "rb")
                        : nullptr;
  if (file == nullptr) {
    logEvent("no tx3.exe in %s", folder);
    return false;
  }
  platform::closeFile(file);
  return true;
}

bool findInstallation(char* installedVersion, char* installDir) {
  if (!readSetting(kProductName, "Version", installedVersion, kTextRoom)) {
    logEvent("registry: no version of the game recorded");
    return false;
  }
  if (std::strcmp(installedVersion, kFirstReleaseMark) == 0)
    std::strcpy(installedVersion, kFirstReleaseVersion);
  if (!readSetting(kProductName, "Location", installDir, kTextRoom)) {
    logEvent("registry: version \"%s\", no folder recorded", installedVersion);
    return false;
  }
  logEvent("registry: version \"%s\", folder %s", installedVersion, installDir);
  return holdsGame(installDir);
}
