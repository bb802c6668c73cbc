#include "app/language_choice.h"

#include <cstring>

#include "app/command_line.h"
#include "app/installation_lookup.h"
#include "app/language_tables.h"
#include "app/tx3inst.h"
#include "install/readme_files.h"
#include "install/update_log.h"

void chooseLanguage(TX3INST& wizard, int32_t language) {
  logEvent("language: %s", languageCode(language));
  wizard.language = language;
  wizard.SetTitle(languageText(kWizardTitle, language));
  wizard.page = lookUpInstallation(wizard.givenDir, wizard.installedVersion, wizard.installDir)
                    ? PAGE_VERSIONS
                    : PAGE_NOT_FOUND;
  wizard.update.recordVersion(wizard.installedVersion[0] != '\0');
  wizard.Redraw();
}

void startWizard(TX3INST& wizard, const CommandLineOptions& options) {
  std::strcpy(wizard.givenDir, options.installDir);
  // A wizard that could not open its window ends at its first turn.
  if (options.languageChosen && !wizard.quit) chooseLanguage(wizard, options.language);
}
