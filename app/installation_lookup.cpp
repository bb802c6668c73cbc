#include "app/installation_lookup.h"

#include <cstring>

#include "archive/path_format.h"
#include "install/installation.h"
#include "install/update_log.h"

bool lookUpInstallation(const char* givenDir, char* installedVersion, char* installDir) {
  // The settings are read even for a folder given on the command line, so
  // that the log tells what they hold; they are not changed.
  const bool registered = findInstallation(installedVersion, installDir);
  if (givenDir[0] == '\0') return registered;
  if (!registered || !isSameFolder(installDir, givenDir)) {
    installedVersion[0] = '\0';
    logEvent(
        "the version will not be recorded: %s is not the installation the game's settings "
        "name",
        givenDir);
  }
  std::strcpy(installDir, givenDir);
  return holdsGame(installDir);
}
