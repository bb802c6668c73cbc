#include "fontfile/font_file.h"

namespace fontfile {

Glyph packGlyph(int32_t width, int32_t height, const std::vector<uint8_t>& levels) {
  Glyph glyph;
  glyph.width = width;
  glyph.bytesPerRow = (width + 1) / 2;
  glyph.pixels.assign(static_cast<size_t>(glyph.bytesPerRow) * height, 0);
  for (int32_t row = 0; row < height; ++row) {
    for (int32_t column = 0; column < width; ++column) {
      const uint8_t level = levels[static_cast<size_t>(row) * width + column] & 0x0F;
      uint8_t& byte = glyph.pixels[static_cast<size_t>(row) * glyph.bytesPerRow + column / 2];
      byte = static_cast<uint8_t>(byte | (column % 2 == 0 ? level << 4 : level));
    }
  }
  return glyph;
}

namespace {

void appendInt32(std::string& out, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(bits >> shift));
}

}  // namespace

std::string encode(const Font& font) {
  std::string out;
  appendInt32(out, font.height);
  for (const Glyph& glyph : font.glyphs) {
    appendInt32(out, glyph.width);
    appendInt32(out, glyph.bytesPerRow);
    appendInt32(out, glyph.leftBearing);
    appendInt32(out, glyph.rightBearing);
    out.append(glyph.pixels.begin(), glyph.pixels.end());
  }
  return out;
}

}  // namespace fontfile
