#include "app/installation.h"

#include <cstdio>
#include <cstring>

#include "app/settings.h"
#include "app/tx3inst.h"
#include "app/wizard_page.h"
#include "archive/path_format.h"
#include "platform/files.h"

namespace {

// The game's own setup of the first release stored this word instead of a
// version text.
constexpr const char* kFirstReleaseMark = "Release";
constexpr const char* kFirstReleaseVersion = "Version 3.02 (ENG)";

bool programFileExists(const char* folder) {
  char path[500];
  if (!formatPath(path, sizeof path, "%s\\tx3.exe", folder)) return false;
  std::FILE* file = platform::openFile(path, "rb");
  if (file == nullptr) return false;
  platform::closeFile(file);
  return true;
}

bool findInstallation(TX3INST& wizard) {
  if (!readSetting(kProductName, "Version", wizard.installedVersion, kTextRoom)) return false;
  if (std::strcmp(wizard.installedVersion, kFirstReleaseMark) == 0)
    std::strcpy(wizard.installedVersion, kFirstReleaseVersion);
  if (!readSetting(kProductName, "Location", wizard.installDir, kTextRoom)) return false;
  return programFileExists(wizard.installDir);
}

}  // namespace

void lookUpInstallation(TX3INST& wizard) {
  wizard.page = findInstallation(wizard) ? PAGE_VERSIONS : PAGE_NOT_FOUND;
}
