#include "app/install_sequence.h"

#include "app/page_accessibility.h"
#include "app/show_page.h"
#include "app/tx3inst.h"
#include "app/wizard_page.h"
#include "archive/archive_table.h"
#include "install/installation_steps.h"
#include "install/quick_start.h"
#include "render/primitives.h"

namespace {

void showProgress(TX3INST& wizard) {
  const int length = wizard.installStep * (wizard.boxW - 20) / kArchiveEntryCount;
  const int left = wizard.boxX + 10;
  const int top = wizard.boxY + 10;
  drawRect(wizard.frame(), static_cast<int16_t>(left), static_cast<int16_t>(top),
           static_cast<int16_t>(left + length), static_cast<int16_t>(top + 20), kShapeFilled, 31);
}

}  // namespace

void performInstallationStep(TX3INST& wizard) {
  switch (
      takeInstallationStep(wizard.update, wizard.installStep, wizard.installDir, wizard.language)) {
    case StepOutcome::Copying:
      break;  // the bar grows once the entry is staged whole
    case StepOutcome::Done:
      showProgress(wizard);
      ++wizard.installStep;
      announceValueChange(wizard);
      break;
    case StepOutcome::SourceFault:
      showPage(wizard, PAGE_SOURCE_ERROR);
      break;
    case StepOutcome::TargetFault:
      showPage(wizard, PAGE_WRITE_ERROR);
      break;
    case StepOutcome::Finished:
      // The quick-start files are the user's, so the user is asked about them.
      showPage(wizard,
               clearQuickStart(wizard.installDir, false) ? PAGE_QUICKSTART : PAGE_COMPLETED);
      break;
  }
}
