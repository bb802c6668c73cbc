// Makes the installer's bitmap fonts from TrueType faces: every character of
// Windows-1252 from 32 to 255, anti-aliased by FreeType, its coverage rounded
// to 16 levels. The same FreeType and faces give the same bytes.
//
//   fontgen OUTPUT_FOLDER [FONT_ROOT]     writes the seven .fnt files
//   fontgen --check FOLDER [FONT_ROOT]    exits 1 unless FOLDER holds them
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fontfile/font_file.h"
#include "fontgen/codepage.h"

namespace {

struct FontRecipe {
  const char* fileName;
  const char* face;  // relative to the font root
  int pixelSize;     // the em square in pixels
};

constexpr const char* kCondensed = "roboto/unhinted/RobotoCondensed-Regular.ttf";
constexpr const char* kCondensedBold = "roboto/unhinted/RobotoCondensed-Bold.ttf";
constexpr const char* kSans = "liberation2/LiberationSans-Regular.ttf";

// In the order of the installer's font slots.
constexpr FontRecipe kFonts[] = {
    {"arial_narrow_10.fnt", kCondensed, 10},
    {"arial_narrow_11.fnt", kCondensed, 11},
    {"arial_14.fnt", kSans, 14},
    {"arial_16.fnt", kSans, 16},
    {"arial_18.fnt", kSans, 18},
    {"trade_cond_24_bold.fnt", kCondensedBold, 24},
    {"trade_cond_28_bold.fnt", kCondensedBold, 28},
};

constexpr const char* kDefaultFontRoot = "/usr/share/fonts/truetype";

// One rendered character, placed relative to the pen and the baseline.
struct Rendered {
  bool defined = false;
  int advance = 0;
  int left = 0;  // ink's first column from the pen
  int top = 0;   // ink's first row above the baseline
  int width = 0;
  int rows = 0;
  std::vector<uint8_t> levels;  // width x rows, 0-15
};

uint8_t roundToLevel(uint8_t coverage) {
  return static_cast<uint8_t>((coverage * 15 + 127) / 255);
}

bool render(FT_Face face, int code, Rendered& out) {
  const char32_t character = windows1252ToUnicode(code);
  if (character == 0) return true;
  const FT_UInt index = FT_Get_Char_Index(face, character);
  if (index == 0) return true;
  if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0) return false;
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return false;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  out.defined = true;
  out.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  out.left = slot->bitmap_left;
  out.top = slot->bitmap_top;
  out.width = static_cast<int>(bitmap.width);
  out.rows = static_cast<int>(bitmap.rows);
  out.levels.resize(static_cast<size_t>(out.width) * out.rows);
  for (int row = 0; row < out.rows; ++row) {
    for (int column = 0; column < out.width; ++column) {
      out.levels[static_cast<size_t>(row) * out.width + column] =
          roundToLevel(bitmap.buffer[row * bitmap.pitch + column]);
    }
  }
  return true;
}

// Bitmap fonts space their glyphs by a gap of three quarters of the space's
// width less the bearings of the two glyphs. Each glyph's bearings are set so
// that this gap equals the face's own spacing: the glyph's side bearings
// taken from the half of the gap that lies on that side.
fontfile::Glyph toGlyph(const Rendered& rendered, int cellTop, int height, int gap) {
  fontfile::Glyph glyph;
  if (!rendered.defined) return glyph;
  const bool hasInk = rendered.width > 0 && rendered.rows > 0;
  if (hasInk) {
    std::vector<uint8_t> cell(static_cast<size_t>(rendered.width) * height, 0);
    for (int row = 0; row < rendered.rows; ++row) {
      const int cellRow = cellTop - rendered.top + row;
      std::memcpy(&cell[static_cast<size_t>(cellRow) * rendered.width],
                  &rendered.levels[static_cast<size_t>(row) * rendered.width], rendered.width);
    }
    glyph = fontfile::packGlyph(rendered.width, height, cell);
  } else {
    glyph.width = rendered.advance;
  }
  const int leftSide = hasInk ? rendered.left : 0;
  const int rightSide = hasInk ? rendered.advance - rendered.left - rendered.width : 0;
  glyph.leftBearing = (gap - gap / 2) - leftSide;
  glyph.rightBearing = gap / 2 - rightSide;
  return glyph;
}

bool makeFont(FT_Library library, const std::string& fontRoot, const FontRecipe& recipe,
              std::string& bytes) {
  FT_Face face = nullptr;
  const std::string path = fontRoot + "/" + recipe.face;
  if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
    std::fprintf(stderr, "fontgen: cannot open %s\n", path.c_str());
    return false;
  }
  bool ok = FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(recipe.pixelSize)) == 0;
  std::vector<Rendered> rendered(fontfile::kCodeCount);
  int cellTop = 0, cellBottom = 0;
  for (int i = 0; ok && i < fontfile::kCodeCount; ++i) {
    ok = render(face, fontfile::kFirstCode + i, rendered[i]);
    if (rendered[i].rows > 0) {
      cellTop = std::max(cellTop, rendered[i].top);
      cellBottom = std::max(cellBottom, rendered[i].rows - rendered[i].top);
    }
  }
  FT_Done_Face(face);
  if (!ok) {
    std::fprintf(stderr, "fontgen: cannot render %s\n", path.c_str());
    return false;
  }
  fontfile::Font font;
  font.height = cellTop + cellBottom;
  const int gap = rendered[0].advance * 3 / 4;
  for (int i = 0; i < fontfile::kCodeCount; ++i) {
    font.glyphs[static_cast<size_t>(i)] = toGlyph(rendered[i], cellTop, font.height, gap);
  }
  bytes = fontfile::encode(font);
  std::printf("%-24s height %2d, %zu bytes\n", recipe.fileName, font.height, bytes.size());
  return true;
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
  const int first = check ? 2 : 1;
  if (argc <= first || argc > first + 2) {
    std::fprintf(stderr, "usage: fontgen [--check] FOLDER [FONT_ROOT]\n");
    return 2;
  }
  const std::string folder = argv[first];
  const std::string fontRoot = argc > first + 1 ? argv[first + 1] : kDefaultFontRoot;
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return 1;
  int failures = 0;
  for (const FontRecipe& recipe : kFonts) {
    std::string bytes;
    const std::string path = folder + "/" + recipe.fileName;
    if (!makeFont(library, fontRoot, recipe, bytes)) {
      ++failures;
    } else if (check && readAll(path) != bytes) {
      std::fprintf(stderr, "fontgen: %s differs from what the faces give\n", path.c_str());
      ++failures;
    } else if (!check && !writeAll(path, bytes)) {
      std::fprintf(stderr, "fontgen: cannot write %s\n", path.c_str());
      ++failures;
    }
  }
  FT_Done_FreeType(library);
  return failures == 0 ? 0 : 1;
}
