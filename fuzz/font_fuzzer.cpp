// Loads the input as a font file and, when it loads, measures and draws every
// character code with it, at the frame's corners and beyond its edges. A
// font that loads must be drawable without any read or write out of bounds.
#include <cstdlib>

#include "archive/drive_path.h"
#include "fuzz_input.h"
#include "render/font.h"
#include "render/status.h"
#include "render/text.h"
#include "support/test_frame.h"

namespace {

constexpr int16_t kPositions[][2] = {{0, 0}, {-7, -5}, {540, 340}, {-30000, 100}, {100, 349}};

char everyCode[256];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TestFrame* frame = [] {
    for (int code = 1; code < 256; ++code) everyCode[code - 1] = static_cast<char>(code);
    return new TestFrame(550, 350);
  }();
  static const DRIVE_PATH folder = scratchDrivePath();
  writeInput(fontFileName(kFontBody), data, size);
  FontTable fonts;
  frame->fonts = &fonts;
  const int status = loadFont(fonts, folder, kFontBody);
  if (status == kStatusOk) {
    for (const auto& [x, y] : kPositions) {
      drawText(*frame, x, y, kFontBody, 0x7FFF, everyCode);
      drawText(*frame, x, y, kFontBody, 0xFFE0, everyCode + 200);
    }
    textWidth(*frame, kFontBody, everyCode);
    for (int p = 1; p < 256; ++p) glyphGap(*frame, kFontBody, everyCode, p);
  } else if (loadedFont(&fonts, kFontBody) != nullptr) {
    std::abort();  // a font that failed must leave no record behind
  }
  frame->fonts = nullptr;
  return 0;
}
