#include "wizard_fixture.h"

#include "archive/drive_path.h"
#include "render/font.h"
#include "support/temp_folder.h"

std::filesystem::path fontFolder() {
  return std::filesystem::path(TX3_SOURCE_DIR) / "data" / "fonts";
}

std::filesystem::path goldenFolder() {
  return std::filesystem::path(TX3_SOURCE_DIR) / "tests" / "app" / "golden";
}

FontsLoaded::FontsLoaded() {
  CurrentFolder inFonts(fontFolder());
  DRIVE_PATH folder;
  createFontTable();
  for (int font = 0; font < kFontCount; ++font) loadFont(folder, font);
}

FontsLoaded::~FontsLoaded() {
  releaseFontTable();
}
