#include "app/silent_update.h"

#include "app/command_line.h"
#include "app/exit_code.h"
#include "app/installation_lookup.h"
#include "install/installation_steps.h"
#include "install/quick_start.h"
#include "install/readme_files.h"
#include "install/update_log.h"

int runSilentUpdate(const CommandLineOptions& options) {
  logEvent("language: %s", languageCode(options.language));
  char installedVersion[kTextRoom] = {};
  char installDir[kTextRoom] = {};
  if (!lookUpInstallation(options.installDir, installedVersion, installDir)) return kExitNotFound;

  StepOutcome outcome = StepOutcome::Done;
  for (int step = 0; outcome == StepOutcome::Done; ++step)
    outcome = takeInstallationStep(step, installDir, options.language);
  if (outcome == StepOutcome::SourceFault) return kExitSourceFault;
  if (outcome == StepOutcome::TargetFault) return kExitWriteFault;
  // "Yes" is the recommended answer to the quick-start question.
  if (!options.keepQuickStart) clearQuickStart(installDir, true);
  return kExitComplete;
}
