#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wrapped_text.h"
#include "render/font.h"
#include "render/text.h"
#include "support/shipped_fonts.h"
#include "support/test_frame.h"

namespace {

// Lines broken at spaces are pinned by the pictures of the pages. Beyond
// them: no text adds nothing; a line exactly as wide as the box does not fit
// it; a word wider than the line is broken inside; lines past the last slot
// are dropped but still counted; a width that nothing fits into still ends,
// one character per line; a line ends at the 199 characters of its text.
TEST(WrappedTextTest, LongWordsAndLinesAreMendedToTheWidthTheSlotsAndTheBuffer) {
  const ShippedFonts fonts;
  TestFrame frame;
  frame.fonts = &fonts;
  const auto abWidth = static_cast<int16_t>(textWidth(frame, kFontControls, "ab"));
  const std::string longLine = std::string(300, 'w') + " end";
  const struct {
    int16_t firstSlot;
    int lineCount;
    int16_t width;
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {0, 0, 200, nullptr, {}},
      {0, 2, abWidth, "ab", {"a", "b"}},
      {0, 4, 30, "a Hurtigstartfilene", {"a", "Hurtig", "startfil", "ene"}},
      {kControlSlots - 2, 5, 20, "xxxxxxxxxxxxx", {"xxx", "xxx"}},
      {0, 3, 0, "abc", {"a", "b", "c"}},
      {0, 2, 30000, longLine.c_str(), {std::string(199, 'w'), std::string(101, 'w') + " end"}},
  };
  for (const auto& c : cases) {
    std::array<WizardControl*, kControlSlots> slots = {};
    int16_t slot = c.firstSlot;
    int16_t y = 0;
    addWrappedText(frame, slots, slot, 0, y, c.width, c.text);
    std::vector<std::string> lines;
    for (WizardControl*& control : slots) {
      if (control != nullptr) lines.emplace_back(control->text);
      delete control;
    }
    EXPECT_EQ(lines, c.lines) << c.text;
    EXPECT_EQ(slot - c.firstSlot, c.lineCount) << c.text;
    EXPECT_EQ(y, (slot - c.firstSlot) * kWrappedLineSpacing) << c.text;
  }
}

}  // namespace
