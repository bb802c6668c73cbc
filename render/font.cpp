#include "render/font.h"

#include <new>

#include "render/status.h"

FontTable* fontTable = nullptr;

namespace {

constexpr const char* kFontFiles[kFontCount] = {
    "arial_narrow_10.fnt", "arial_narrow_11.fnt",    "arial_14.fnt",           "arial_16.fnt",
    "arial_18.fnt",        "trade_cond_24_bold.fnt", "trade_cond_28_bold.fnt",
};

bool isFontId(int font) {
  return font >= 0 && font < kFontCount;
}

}  // namespace

int createFontTable() {
  if (fontTable != nullptr) return kStatusOk;
  fontTable = new (std::nothrow) FontTable{};
  return fontTable != nullptr ? kStatusOk : kStatusFontTableNotAllocated;
}

void releaseFontTable() {
  if (fontTable == nullptr) return;
  for (int font = 0; font < kFontCount; ++font) freeFont(font);
  delete fontTable;
  fontTable = nullptr;
}

const char* fontFileName(int font) {
  return isFontId(font) ? kFontFiles[font] : nullptr;
}

void freeFont(int font) {
  if (fontTable == nullptr || !isFontId(font)) return;
  BitmapFont*& slot = fontTable->slots[font];
  if (slot == nullptr) return;
  for (Glyph& glyph : slot->glyphs) delete[] glyph.pixels;
  delete slot;
  slot = nullptr;
}

const BitmapFont* loadedFont(int font) {
  if (fontTable == nullptr || !isFontId(font)) return nullptr;
  return fontTable->slots[font];
}
