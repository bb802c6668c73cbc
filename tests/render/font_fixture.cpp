#include "font_fixture.h"

#include <cstdlib>

#include "archive/drive_path.h"

fontfile::Font smallFont() {
  fontfile::Font font;
  font.height = 4;
  font[' '].width = 4;
  return font;
}

fontfile::Glyph glyphOf(const std::vector<std::string>& rows) {
  std::vector<uint8_t> levels;
  for (const std::string& row : rows) {
    for (char digit : row) {
      levels.push_back(
          static_cast<uint8_t>(std::strtol(std::string(1, digit).c_str(), nullptr, 16)));
    }
  }
  return fontfile::packGlyph(static_cast<int32_t>(rows.front().size()),
                             static_cast<int32_t>(rows.size()), levels);
}

FontFolder::FontFolder() {
  createFontTable();
}

FontFolder::~FontFolder() {
  releaseFontTable();
}

void FontFolder::write(int font, const std::string& bytes) const {
  writeFile(folder_ / fontFileName(font), bytes);
}

int FontFolder::load(int font) const {
  CurrentFolder inside(folder_.path());
  DRIVE_PATH folder;
  folder.setToCurrentDirectory();
  return loadFont(folder, font);
}
