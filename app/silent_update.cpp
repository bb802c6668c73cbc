#include "app/silent_update.h"

#include "app/command_line.h"
#include "app/exit_code.h"
#include "app/installation_lookup.h"
#include "install/installation_steps.h"
#include "install/quick_start.h"
#include "install/readme_files.h"
#include "install/update_log.h"
#include "install/update_transaction.h"

int runSilentUpdate(const CommandLineOptions& options) {
  logEvent("language: %s", languageCode(options.language));
  char installedVersion[kTextRoom] = {};
  char installDir[kTextRoom] = {};
  if (!lookUpInstallation(options.installDir, installedVersion, installDir)) return kExitNotFound;

  UpdateTransaction update;
  update.recordVersion(installedVersion[0] != '\0');
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
