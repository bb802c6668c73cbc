#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Writing .fnt files: the font generator makes the shipped fonts with it and
// tests make fonts of known shapes.
namespace fontfile {

inline constexpr int kFirstCode = 32;
inline constexpr int kCodeCount = 224;  // codes 32 to 255

struct Glyph {
  int32_t width = 0;
  int32_t bytesPerRow = 0;
  int32_t leftBearing = 0;
  int32_t rightBearing = 0;
  std::vector<uint8_t> pixels;  // bytesPerRow x height bytes
};

struct Font {
  int32_t height = 0;
  std::array<Glyph, kCodeCount> glyphs;

  Glyph& operator[](int code) { return glyphs[static_cast<size_t>(code - kFirstCode)]; }
};

// A glyph from coverage levels 0-15, `width` per row, row by row: two levels
// a byte, the left one in the high nibble.
Glyph packGlyph(int32_t width, int32_t height, const std::vector<uint8_t>& levels);

// The file's bytes: the height, then every glyph's four numbers (little-endian
// 32-bit) and its pixels.
std::string encode(const Font& font);

}  // namespace fontfile
