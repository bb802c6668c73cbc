#include "font_fixture.h"

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
      levels.push_back(static_cast<uint8_t>(digit <= '9' ? digit - '0' : digit - 'A' + 10));
    }
  }
  return fontfile::packGlyph(static_cast<int32_t>(rows.front().size()),
                             static_cast<int32_t>(rows.size()), levels);
}

void FontFolder::write(int font, const std::string& bytes) const {
  writeFile(folder_ / fontFileName(font), bytes);
}

int FontFolder::load(int font) {
  CurrentFolder inside(folder_.path());
  DRIVE_PATH folder;
  folder.setToCurrentDirectory();
  return loadFont(table, folder, font);
}
