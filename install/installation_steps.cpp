#include "install/installation_steps.h"

#include "archive/archive_table.h"
#include "archive/path_format.h"
#include "install/entry_install.h"
#include "install/settings.h"
#include "install/source_check.h"
#include "install/update_log.h"
#include "install/update_version.h"
#include "platform/files.h"

namespace {

bool checkSources(int32_t language) {
  FileFailure failure;
  if (!sourcesAvailable(language, failure)) {
    logEvent("source check failed: file %s: %s", failure.file, failure.reason);
    return false;
  }
  logEvent("source check passed");
  return true;
}

// tx3.icd was made from the old data and goes.
void finishInstallation(const char* installDir) {
  if (writeSetting(kProductName, "Version", NEW_VERSION))
    logEvent("version recorded: %s", NEW_VERSION);
  else
    logEvent("version not recorded: the game's settings could not be written");
  char cache[500];
  if (formatPath(cache, sizeof cache, "%s\\tx3.icd", installDir)) {
    platform::makeWritable(cache);
    platform::removeFile(cache);
  }
}

}  // namespace

StepOutcome takeInstallationStep(int step, const char* installDir, int32_t language) {
  if (step > kArchiveEntryCount) {
    finishInstallation(installDir);
    return StepOutcome::Finished;
  }
  if (step == 0) return checkSources(language) ? StepOutcome::Done : StepOutcome::SourceFault;
  return installEntry(step - 1, installDir, language);
}
