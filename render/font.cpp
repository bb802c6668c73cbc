#include "render/font.h"

namespace {

constexpr const char* kFontFiles[kFontCount] = {
    "arial_narrow_10.fnt", "arial_narrow_11.fnt",    "arial_14.fnt",           "arial_16.fnt",
    "arial_18.fnt",        "trade_cond_24_bold.fnt", "trade_cond_28_bold.fnt",
};

bool isFontId(int font) {
  return font >= 0 && font < kFontCount;
}

}  // namespace

FontTable::~FontTable() {
  for (int font = 0; font < kFontCount; ++font) freeFont(*this, font);
}

const char* fontFileName(int font) {
  return isFontId(font) ? kFontFiles[font] : nullptr;
}

void freeFont(FontTable& table, int font) {
  if (!isFontId(font)) return;
  BitmapFont*& slot = table.slots[font];
  if (slot == nullptr) return;
  for (Glyph& glyph : slot->glyphs) delete[] glyph.pixels;
  delete slot;
  slot = nullptr;
}

const BitmapFont* loadedFont(const FontTable* table, int font) {
  if (table == nullptr || !isFontId(font)) return nullptr;
  return table->slots[font];
}
