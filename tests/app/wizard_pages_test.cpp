#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/language_tables.h"
#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"
#include "page_shots/page_scene.h"
#include "png/frame_png.h"
#include "support/shipped_fonts.h"
#include "support/temp_folder.h"

namespace {

std::filesystem::path goldenFolder() {
  return std::filesystem::path(TX3_SOURCE_DIR) / "tests" / "app" / "golden";
}

class PagesTest : public testing::Test {
 protected:
  void show(int16_t page, int32_t language = LANGUAGE_ENGLISH) {
    drawPageShot(wizard_, page, language);
  }

  auto controlsInSlots() const {
    return std::ranges::count_if(wizard_.controls, [](const auto* c) { return c != nullptr; });
  }

  const char* text(int slot) const {
    const WizardControl* control = wizard_.controls[slot];
    return control != nullptr ? control->text : "(no control)";
  }

  CurrentFolder inFonts_{shippedFontFolder()};
  TX3INST wizard_;
};

// Every page in English, and the French quick-start question, whose text
// breaks into lines of its own, pixel for pixel. When a change of the look is
// meant, regenerate with page_shots (see the README).
TEST_F(PagesTest, EveryPageLooksAsRecordedAndRepaintsAddNoControls) {
  std::vector<std::pair<int16_t, int32_t>> shots = {{PAGE_QUICKSTART, LANGUAGE_FRENCH}};
  for (int16_t page = 0; page < kPageCount; ++page) shots.emplace_back(page, LANGUAGE_ENGLISH);
  for (const auto& [page, language] : shots) {
    show(page, language);
    const std::string name = pageShotName(page, language);
    png::Image expected;
    ASSERT_TRUE(png::readFile((goldenFolder() / name).string(), expected)) << name;
    const png::Image actual = png::frameImage(wizard_.frame());
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    EXPECT_TRUE(actual.rgb == expected.rgb) << name << " differs";

    // Repaints rebuild every page but the first; none may leave controls behind.
    const auto count = controlsInSlots();
    wizard_.Redraw();
    wizard_.Redraw();
    EXPECT_EQ(controlsInSlots(), count) << name;
  }
}

// The language page is built only when it is entered, so a repaint keeps a
// press on it; every other page starts afresh. An empty version is shown
// empty, and a folder of the longest length leaves no room for the cursor bar.
TEST_F(PagesTest, RepaintsKeepOnlyTheLanguagePageAndTextsKeepToTheirRoom) {
  show(PAGE_LANGUAGE);
  WizardControl* english = wizard_.controls[1];
  english->pressed = english->lastButton = true;
  wizard_.Redraw();
  EXPECT_TRUE(wizard_.controls[1] == english && english->pressed && english->lastButton);
  wizard_.installedVersion[0] = '\0';
  wizard_.page = PAGE_VERSIONS;
  wizard_.Redraw();
  wizard_.controls[4]->pressed = wizard_.controls[4]->clickPending = true;
  wizard_.Redraw();
  EXPECT_FALSE(wizard_.controls[4]->pressed || wizard_.controls[4]->clickPending);
  EXPECT_STREQ(text(6), "");
  const std::string folder(199, 'd');
  std::snprintf(wizard_.installDir, sizeof wizard_.installDir, "%s", folder.c_str());
  show(PAGE_LOCATION);
  EXPECT_EQ(text(2), folder);
}

}  // namespace
