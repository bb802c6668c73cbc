#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wrapped_text.h"
#include "render/font.h"
#include "render/text.h"
#include "support/shipped_fonts.h"
#include "support/test_frame.h"

namespace {

class WrappedTextTest : public testing::Test {
 protected:
  ~WrappedTextTest() override {
    for (WizardControl*& slot : slots_) delete slot;
  }

  std::vector<std::string> lines() const {
    std::vector<std::string> found;
    for (const WizardControl* slot : slots_) {
      if (slot != nullptr) found.emplace_back(slot->text);
    }
    return found;
  }

  void SetUp() override { frame_.fonts = &fonts_; }

  const ShippedFonts fonts_;
  TestFrame frame_;
  std::array<WizardControl*, kControlSlots> slots_ = {};
};

// Lines broken at spaces are pinned by the pictures of the pages. Beyond
// them: no text adds nothing; a word wider than the line is broken inside;
// lines past the last slot are dropped; a width that nothing fits into still
// ends, one character per line; a line ends at the 199 characters of its text.
TEST_F(WrappedTextTest, LongWordsAndLinesAreMendedToTheWidthTheSlotsAndTheBuffer) {
  const std::string word = "Hurtigstartfilene";
  int16_t slot = 0;
  int16_t y = 0;
  addWrappedText(frame_, slots_, slot, 30, y, 200, "");
  addWrappedText(frame_, slots_, slot, 30, y, 200, nullptr);
  EXPECT_TRUE(lines().empty());
  // A line exactly as wide as the box does not fit it.
  addWrappedText(frame_, slots_, slot, 0, y,
                 static_cast<int16_t>(textWidth(frame_, kFontControls, "ab")), "ab");
  EXPECT_EQ(lines(), (std::vector<std::string>{"a", "b"}));
  for (WizardControl*& control : slots_) delete std::exchange(control, nullptr);
  slot = 0;
  addWrappedText(frame_, slots_, slot, 0, y, 30, ("a " + word).c_str());
  std::vector<std::string> found = lines();
  ASSERT_GE(found.size(), 3u);
  EXPECT_EQ(found[0], "a");
  std::string rejoined;
  for (size_t k = 1; k < found.size(); ++k) {
    EXPECT_LT(textWidth(frame_, kFontControls, found[k].c_str()), 30) << found[k];
    rejoined += found[k];
  }
  EXPECT_EQ(rejoined, word);
  for (WizardControl*& control : slots_) delete std::exchange(control, nullptr);

  slot = 8;
  addWrappedText(frame_, slots_, slot, 0, y, 20, std::string(150, 'x').c_str());
  EXPECT_EQ(lines().size(), 2u);
  EXPECT_GT(slot, 10);
  slot = 0;
  addWrappedText(frame_, slots_, slot, 0, y, 0, "abc");
  EXPECT_STREQ(slots_[0]->text, "a");
  EXPECT_STREQ(slots_[2]->text, "c");
  EXPECT_EQ(slot, 3);
  slot = 3;
  addWrappedText(frame_, slots_, slot, 0, y, 30000, (std::string(300, 'w') + " end").c_str());
  EXPECT_EQ(std::string(slots_[3]->text), std::string(199, 'w'));
  EXPECT_EQ(std::string(slots_[4]->text), std::string(101, 'w') + " end");
}

}  // namespace
