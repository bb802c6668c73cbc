#include "page_shots/page_scene.h"

#include <cstdio>

#include "app/tx3inst.h"

namespace {
const char* const kLanguageCodes[] = {"eng", "esp", "fra", "ita", "nor", "por", "sve"};
}  // namespace

void drawPageShot(TX3INST& wizard, int16_t page, int32_t language, const char* installedVersion) {
  std::snprintf(wizard.installedVersion, sizeof wizard.installedVersion, "%s", installedVersion);
  wizard.language = language;
  wizard.page = page;
  wizard.builtPage = -1;
  wizard.Redraw();
}

std::string pageShotName(int16_t page, int32_t language) {
  const char* code = language >= 0 && language < 7 ? kLanguageCodes[language] : "xxx";
  char name[32];
  std::snprintf(name, sizeof name, "page_%02d_%s.png", page, code);
  return name;
}
