#include "app/wrapped_text.h"

#include "app/wizard_control.h"
#include "render/font.h"
#include "render/text.h"

namespace {

constexpr int kLineRoom = kTextRoom - 1;

struct LineWriter {
  std::span<WizardControl*> slots;
  int16_t& slot;
  int16_t x;
  int16_t& y;
  int16_t width;

  void emit(const char* line) {
    // Lines past the last slot are dropped; the layout still moves on.
    if (slot >= 0 && static_cast<size_t>(slot) < slots.size()) {
      putControl(slots, slot, createControl(x, y, width, 0, line, KIND_LABEL, 0, 0));
    }
    slot = static_cast<int16_t>(slot + 1);
    y = static_cast<int16_t>(y + kWrappedLineSpacing);
  }
};

// The last space of the line that a break can use: one at its very start
// would leave an empty line behind.
int lastBreakingSpace(const char* line, int length) {
  for (int k = length - 1; k > 0; --k) {
    if (line[k] == ' ') return k;
  }
  return -1;
}

}  // namespace

void addWrappedText(const FrameBuffer& frame, std::span<WizardControl*> slots, int16_t& slot,
                    int16_t x, int16_t& y, int16_t width, const char* text) {
  if (text == nullptr) return;
  LineWriter writer{slots, slot, x, y, width};
  char line[kLineRoom + 1] = {};
  int length = 0;
  int start = 0;  // where the current line begins in the text
  int i = 0;
  while (text[i] != '\0') {
    line[length++] = text[i];
    line[length] = '\0';
    const bool tooWide = textWidth(frame, kFontControls, line) >= width;
    if (!tooWide && length < kLineRoom) {
      ++i;
      continue;
    }
    const int space = lastBreakingSpace(line, length);
    if (space > 0) {
      // The space belongs to neither line.
      length = space;
      i = start + space;
    } else if (tooWide && length > 1) {
      // One word wider than the line: break inside it, before the character
      // that no longer fit.
      --length;
    } else {
      ++i;
    }
    line[length] = '\0';
    writer.emit(line);
    while (text[i] == ' ') ++i;
    start = i;
    length = 0;
  }
  if (length > 0) {
    line[length] = '\0';
    writer.emit(line);
  }
}
