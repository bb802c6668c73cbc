#include "install/installation_steps.h"

#include "archive/archive_table.h"
#include "install/source_check.h"
#include "install/update_log.h"
#include "install/update_transaction.h"

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

}  // namespace

StepOutcome takeInstallationStep(UpdateTransaction& update, int step, const char* installDir,
                                 int32_t language) {
  if (step > kArchiveEntryCount) return update.commit(installDir);
  if (step == 0) return checkSources(language) ? StepOutcome::Done : StepOutcome::SourceFault;
  return update.stageEntry(step - 1, installDir, language);
}
