#include "install/installation.h"

#include <cctype>
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

bool isSameFolder(const char* folder, const char* other) {
  size_t length = std::strlen(folder);
  size_t otherLength = std::strlen(other);
  if (length > 0 && folder[length - 1] == '\\') --length;
  if (otherLength > 0 && other[otherLength - 1] == '\\') --otherLength;
  if (length != otherLength) return false;
  for (size_t i = 0; i < length; ++i)
    if (std::tolower(static_cast<unsigned char>(folder[i])) !=
        std::tolower(static_cast<unsigned char>(other[i])))
      return false;
  return true;
}
