#pragma once

#include <cstdint>

class DRIVE_PATH;

// The seven bitmap fonts of the installer, each read from its own file in the
// installer's folder. Every glyph is a grid of 4-bit coverage levels.
enum FontId : int {
  kFontNarrow10 = 0,
  kFontNarrow11 = 1,
  kFontRegular14 = 2,
  kFontRegular16 = 3,
  kFontRegular18 = 4,
  kFontBoldCondensed24 = 5,
  kFontBoldCondensed28 = 6,
  kFontCount = 7,
};

// The fonts the wizard draws with.
inline constexpr FontId kFontControls = kFontNarrow11;
inline constexpr FontId kFontBody = kFontRegular14;
inline constexpr FontId kFontHeading = kFontBoldCondensed24;

// One character's glyph. Rows of `bytesPerRow` bytes, top row first, two
// pixels a byte with the left one in the high nibble.
struct Glyph {
  int32_t width;         // in pixels, also the pen's advance before the gap
  int32_t bytesPerRow;   // 0 when the glyph has no pixels
  int32_t leftBearing;   // taken off the gap in front of the glyph
  int32_t rightBearing;  // taken off the gap behind it
  uint8_t* pixels;       // bytesPerRow x height bytes, or null
  // Rows inkTop to inkEnd - 1 hold every non-zero level; drawing skips the
  // rest. Set by loadFont.
  int32_t inkTop;
  int32_t inkEnd;
};

struct BitmapFont {
  int32_t height;
  Glyph glyphs[256];  // by character code; codes below 32 stay empty
};

// One slot a font, empty (null) until loaded. The table owns its fonts:
// destroying it releases every one, in slot order.
struct FontTable {
  FontTable() = default;
  ~FontTable();
  FontTable(const FontTable&) = delete;
  FontTable& operator=(const FontTable&) = delete;

  BitmapFont* slots[kFontCount] = {};
};

// The font's file name, such as "arial_14.fnt"; null for an id out of range.
const char* fontFileName(int font);

// Reads the font's file from the folder into its slot, replacing a font
// loaded there before: kStatusOk, or kStatusFileNotOpened,
// kStatusFontNotAllocated, kStatusReadFailed (also for a file whose numbers
// do not fit together) or kStatusGlyphNotAllocated, and then the slot is
// empty.
int loadFont(FontTable& table, const DRIVE_PATH& folder, int font);

// Releases the font and empties its slot; an empty slot stays as it is.
void freeFont(FontTable& table, int font);

// The loaded font of that id, or null (also for an id out of range or
// without a table).
const BitmapFont* loadedFont(const FontTable* table, int font);
