#include "app/install_sequence.h"

#include "app/entry_install.h"
#include "app/language_tables.h"
#include "app/page_accessibility.h"
#include "app/quick_start.h"
#include "app/settings.h"
#include "app/show_page.h"
#include "app/source_check.h"
#include "app/tx3inst.h"
#include "app/wizard_page.h"
#include "archive/archive_table.h"
#include "archive/path_format.h"
#include "platform/files.h"
#include "render/primitives.h"

namespace {

// tx3.icd was made from the old data and goes; the quick-start files are the
// user's, so the user is asked about them.
void finishInstallation(TX3INST& wizard) {
  writeSetting(kProductName, "Version", NEW_VERSION);
  char cache[500];
  if (formatPath(cache, sizeof cache, "%s\\tx3.icd", wizard.installDir)) {
    platform::makeWritable(cache);
    platform::removeFile(cache);
  }
  showPage(wizard, clearQuickStart(wizard.installDir, false) ? PAGE_QUICKSTART : PAGE_COMPLETED);
}

void showProgress(TX3INST& wizard) {
  const int length = wizard.installStep * (wizard.boxW - 20) / kArchiveEntryCount;
  const int left = wizard.boxX + 10;
  const int top = wizard.boxY + 10;
  drawRect(wizard.frame(), static_cast<int16_t>(left), static_cast<int16_t>(top),
           static_cast<int16_t>(left + length), static_cast<int16_t>(top + 20), kShapeFilled, 31);
}

}  // namespace

void performInstallationStep(TX3INST& wizard) {
  if (wizard.installStep > kArchiveEntryCount) {
    finishInstallation(wizard);
    return;
  }
  if (wizard.installStep == 0) {
    if (!sourcesAvailable(wizard.language)) showPage(wizard, PAGE_SOURCE_ERROR);
  } else {
    switch (installEntry(wizard.installStep - 1, wizard.installDir, wizard.language)) {
      case EntryOutcome::Installed:
        break;
      case EntryOutcome::SourceFault:
        showPage(wizard, PAGE_SOURCE_ERROR);
        break;
      case EntryOutcome::TargetFault:
        showPage(wizard, PAGE_WRITE_ERROR);
        break;
    }
  }
  if (wizard.page != PAGE_INSTALLING) return;
  showProgress(wizard);
  ++wizard.installStep;
  announceProgress(wizard);
}
