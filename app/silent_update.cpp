#include "app/silent_update.h"

#include <cstring>

#include "app/command_line.h"
#include "app/exit_code.h"
#include "install/installation.h"
#include "install/installation_steps.h"
#include "install/quick_start.h"
#include "install/readme_files.h"
#include "install/update_log.h"
#include "install/update_transaction.h"

int runSilentUpdate(const CommandLineOptions& options) {
  logEvent("language: %s", languageCode(options.language));
  char installedVersion[kTextRoom] = {};
  char installDir[kTextRoom] = {};
  // The settings are read even for a folder given on the command line, so
  // that the log tells what they hold; they are not changed.
  bool found = findInstallation(installedVersion, installDir);
  // The recorded version tells of the installation the settings name: an
  // update of another copy leaves them as they are.
  bool recordVersion = true;
  if (options.installDir[0] != '\0') {
    recordVersion = isSameFolder(installDir, options.installDir);
    if (!recordVersion)
      logEvent("the version will not be recorded: the game's settings name %s",
               installDir[0] != '\0' ? "another installation" : "no installation");
    std::strcpy(installDir, options.installDir);
    found = holdsGame(installDir);
  }
  if (!found) return kExitNotFound;

  UpdateTransaction update(recordVersion);
  StepOutcome outcome = StepOutcome::Done;
  for (int step = 0; outcome == StepOutcome::Done || outcome == StepOutcome::Copying;) {
    outcome = takeInstallationStep(update, step, installDir, options.language);
    if (outcome == StepOutcome::Done) ++step;
  }
  if (outcome == StepOutcome::SourceFault) return kExitSourceFault;
  if (outcome == StepOutcome::TargetFault) return kExitWriteFault;
  // "Yes" is the recommended answer to the quick-start question.
  if (!options.keepQuickStart) clearQuickStart(installDir, true);
  // Deployment tools must see an installation left with its old version.
  return update.versionMissing() ? kExitWriteFault : kExitComplete;
}
