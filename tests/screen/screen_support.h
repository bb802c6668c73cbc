#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "archive/drive_path.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "screen/keyboard.h"
#include "support/temp_folder.h"

// A fresh folder, current for the scope, holding the display's seven fonts:
// each a valid font of one pixel's height without glyph pixels. `missing`
// (0 to 6) is left out, -1 for none.
struct FontFolder {
  explicit FontFolder(int missing = -1) {
    // The height (1), then 224 glyph records of four zero numbers.
    std::string font(4 + 224 * 16, '\0');
    font[0] = 1;
    for (int id = 0; id < kFontCount; ++id)
      if (id != missing) writeFile(folder / fontFileName(id), font);
  }

  TempFolder folder;
  CurrentFolder current{folder.path()};
  DRIVE_PATH path;  // the folder, as the program names it
};

// A key press as the wizard reads it: the key, and the character it typed.
using Press = std::tuple<int, int>;

// Every press that waits, oldest first.
inline std::vector<Press> readKeys(KEYBOARD& keyboard) {
  std::vector<Press> presses;
  uint8_t character = 0;
  LogicalKey key = KEY_NONE;
  while (keyboard.ReadKey(character, key)) presses.emplace_back(key, character);
  return presses;
}

// A test picture: every 5-bit level in every channel, and the unused top
// bit now and then.
inline uint16_t patternPixel(int x, int y) {
  return static_cast<uint16_t>(x * 59 + y * 1021 + (y & 1) * 0x8000);
}

inline void fillPattern(FrameBuffer& frame, int width, int height) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) *framePixel(frame, x, y) = patternPixel(x, y);
}

// A frame pixel as a true-colour screen shows it, 0xRRGGBB.
inline uint32_t onScreen(uint16_t pixel) {
  return ((pixel >> 10) & 31u) << 19 | ((pixel >> 5) & 31u) << 11 | (pixel & 31u) << 3;
}
