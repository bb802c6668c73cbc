#include "render/font.h"

#include <cstddef>
#include <new>

#include "archive/file_stream.h"
#include "render/status.h"

namespace {

constexpr int kFirstStoredCode = 32;
constexpr int kLastStoredCode = 255;
// Far beyond any font drawn into the installer's frame; a file claiming more
// is damaged, and the limit keeps glyph sizes from overflowing.
constexpr int32_t kLargestSide = 1024;

bool fitsTogether(const Glyph& glyph) {
  if (glyph.width < 0 || glyph.width > kLargestSide) return false;
  // No drawable glyph is set further from its neighbours than that; the
  // limit keeps gaps and pen positions from overflowing.
  const auto fitsSide = [](int32_t bearing) {
    return bearing >= -kLargestSide && bearing <= kLargestSide;
  };
  if (!fitsSide(glyph.leftBearing) || !fitsSide(glyph.rightBearing)) return false;
  return glyph.bytesPerRow == 0 || glyph.bytesPerRow == (glyph.width + 1) / 2;
}

void findInk(Glyph& glyph, int32_t height) {
  auto rowHasInk = [&](int32_t row) {
    const uint8_t* bytes = glyph.pixels + static_cast<size_t>(row) * glyph.bytesPerRow;
    for (int32_t i = 0; i < glyph.bytesPerRow; ++i) {
      if (bytes[i] != 0) return true;
    }
    return false;
  };
  glyph.inkTop = 0;
  while (glyph.inkTop < height && !rowHasInk(glyph.inkTop)) ++glyph.inkTop;
  glyph.inkEnd = height;
  while (glyph.inkEnd > glyph.inkTop && !rowHasInk(glyph.inkEnd - 1)) --glyph.inkEnd;
}

int readGlyph(FILE_STREAM& stream, int32_t height, Glyph& glyph) {
  if (!stream.readInt32(glyph.width) || !stream.readInt32(glyph.bytesPerRow) ||
      !stream.readInt32(glyph.leftBearing) || !stream.readInt32(glyph.rightBearing)) {
    return kStatusReadFailed;
  }
  // Drawing walks `width` columns of `bytesPerRow`-byte rows: numbers that
  // do not agree would read outside the glyph's data.
  if (!fitsTogether(glyph)) return kStatusReadFailed;
  if (glyph.bytesPerRow == 0) return kStatusOk;
  const int32_t size = glyph.bytesPerRow * height;
  glyph.pixels = new (std::nothrow) uint8_t[static_cast<size_t>(size)];
  if (glyph.pixels == nullptr) return kStatusGlyphNotAllocated;
  if (!stream.readBlock(glyph.pixels, size)) return kStatusReadFailed;
  findInk(glyph, height);
  return kStatusOk;
}

int readFont(FILE_STREAM& stream, BitmapFont& font) {
  if (!stream.readInt32(font.height)) return kStatusReadFailed;
  if (font.height < 0 || font.height > kLargestSide) return kStatusReadFailed;
  for (int code = kFirstStoredCode; code <= kLastStoredCode; ++code) {
    const int status = readGlyph(stream, font.height, font.glyphs[code]);
    if (status != kStatusOk) return status;
  }
  return kStatusOk;
}

}  // namespace

int loadFont(FontTable& table, const DRIVE_PATH& folder, int font) {
  const char* fileName = fontFileName(font);
  if (fileName == nullptr) return kStatusFileNotOpened;
  FILE_STREAM stream;
  // No byte-order mark: the files are little-endian from their first byte.
  if (!stream.open(folder, fileName, 0, ReadBinary)) return kStatusFileNotOpened;
  freeFont(table, font);  // a font loaded again replaces the old one
  BitmapFont* loaded = new (std::nothrow) BitmapFont{};
  if (loaded == nullptr) return kStatusFontNotAllocated;
  // In the slot at once, so that freeFont releases whatever was read.
  table.slots[font] = loaded;
  const int status = readFont(stream, *loaded);
  stream.close();
  if (status != kStatusOk) freeFont(table, font);
  return status;
}
