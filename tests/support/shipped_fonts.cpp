#include "support/shipped_fonts.h"

#include "archive/drive_path.h"
#include "support/temp_folder.h"

std::filesystem::path shippedFontFolder() {
  return std::filesystem::path(TX3_SOURCE_DIR) / "data" / "fonts";
}

ShippedFonts::ShippedFonts() {
  CurrentFolder inFonts(shippedFontFolder());
  DRIVE_PATH folder;
  for (int font = 0; font < kFontCount; ++font) loadFont(*this, folder, font);
}
