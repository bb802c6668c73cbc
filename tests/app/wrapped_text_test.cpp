#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "app/wizard_control.h"
#include "app/wrapped_text.h"
#include "render/font.h"
#include "render/text.h"
#include "wizard_fixture.h"

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

  static std::string words(const std::string& text) {
    std::istringstream in(text);
    std::string word;
    std::string joined;
    while (in >> word) joined += word + " ";
    return joined;
  }

  FontsLoaded fonts_;
  std::array<WizardControl*, kControlSlots> slots_ = {};
};

TEST_F(WrappedTextTest, BreaksAtSpacesIntoLinesNarrowerThanTheWidth) {
  const std::string text =
      "The quick start files from your original installation are out of date. They will still "
      "work, but will not contain the most recent data.";
  int16_t slot = 5;
  int16_t y = 40;
  addWrappedText(slots_, slot, 30, y, 200, text.c_str());
  const std::vector<std::string> found = lines();
  ASSERT_GE(found.size(), 2u);
  std::string joined;
  for (size_t k = 0; k < found.size(); ++k) {
    const WizardControl& label = *slots_[5 + k];
    EXPECT_EQ(label.kind, KIND_LABEL);
    EXPECT_EQ(label.x, 30);
    EXPECT_EQ(label.y, 40 + 17 * static_cast<int>(k));
    EXPECT_EQ(label.width, 200);
    EXPECT_EQ(label.height, 0);
    EXPECT_NE(found[k].front(), ' ') << found[k];
    EXPECT_LT(textWidth(kFontControls, label.text), 200) << found[k];
    joined += found[k] + " ";
  }
  EXPECT_EQ(words(joined), words(text));
  EXPECT_EQ(slot, 5 + static_cast<int>(found.size()));
  EXPECT_EQ(y, 40 + 17 * static_cast<int>(found.size()));
}

TEST_F(WrappedTextTest, AnEmptyTextAddsNothing) {
  int16_t slot = 5;
  int16_t y = 40;
  addWrappedText(slots_, slot, 30, y, 200, "");
  addWrappedText(slots_, slot, 30, y, 200, nullptr);
  EXPECT_EQ(slot, 5);
  EXPECT_EQ(y, 40);
  EXPECT_TRUE(lines().empty());
}

TEST_F(WrappedTextTest, AWordWiderThanTheLineIsBrokenInside) {
  const std::string word = "Hurtigstartfilene";
  int16_t slot = 5;
  int16_t y = 0;
  addWrappedText(slots_, slot, 0, y, 30, ("a " + word).c_str());
  const std::vector<std::string> found = lines();
  ASSERT_GE(found.size(), 3u);
  EXPECT_EQ(found[0], "a");
  std::string rejoined;
  for (size_t k = 1; k < found.size(); ++k) {
    EXPECT_LT(textWidth(kFontControls, found[k].c_str()), 30) << found[k];
    rejoined += found[k];
  }
  EXPECT_EQ(rejoined, word);
}

TEST_F(WrappedTextTest, LinesPastTheLastSlotAreDropped) {
  const std::string text(150, 'x');
  int16_t slot = 8;
  int16_t y = 0;
  addWrappedText(slots_, slot, 0, y, 20, text.c_str());
  EXPECT_EQ(lines().size(), 2u);
  EXPECT_NE(slots_[9], nullptr);
  EXPECT_GT(slot, 10);
  // A width that nothing fits into still ends, one character per line.
  slot = 0;
  addWrappedText(slots_, slot, 0, y, 0, "abc");
  EXPECT_STREQ(slots_[0]->text, "a");
  EXPECT_STREQ(slots_[2]->text, "c");
  EXPECT_EQ(slot, 3);
}

TEST_F(WrappedTextTest, AVeryLongLineEndsAtTheLineBuffer) {
  const std::string text = std::string(300, 'w') + " end";
  int16_t slot = 0;
  int16_t y = 0;
  addWrappedText(slots_, slot, 0, y, 30000, text.c_str());
  const std::vector<std::string> found = lines();
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], std::string(199, 'w'));
  EXPECT_EQ(found[1], std::string(101, 'w') + " end");
}

}  // namespace
