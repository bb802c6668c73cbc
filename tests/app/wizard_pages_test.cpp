#include <gtest/gtest.h>

#include <algorithm>
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

// Every page in English, and the French quick-start question, whose text
// breaks into lines of its own, pixel for pixel. When a change of the look is
// meant, regenerate with page_shots (see the README).
TEST(PagesTest, EveryPageLooksAsRecordedAndRepaintsAddNoControls) {
  const CurrentFolder inFonts(shippedFontFolder());
  TX3INST wizard;
  const auto controlsInSlots = [&wizard] {
    return std::ranges::count_if(wizard.controls, [](const auto* c) { return c != nullptr; });
  };
  std::vector<std::pair<int16_t, int32_t>> shots = {{PAGE_QUICKSTART, LANGUAGE_FRENCH}};
  for (int16_t page = 0; page < kPageCount; ++page) shots.emplace_back(page, LANGUAGE_ENGLISH);
  for (const auto& [page, language] : shots) {
    drawPageShot(wizard, page, language);
    const std::string name = pageShotName(page, language);
    png::Image expected;
    ASSERT_TRUE(png::readFile(std::string(TX3_SOURCE_DIR) + "/tests/app/golden/" + name, expected))
        << name;
    const png::Image actual = png::frameImage(wizard.frame());
    EXPECT_TRUE(actual.width == expected.width && actual.height == expected.height &&
                actual.rgb == expected.rgb)
        << name << " differs";

    // Repaints keep the page's controls; none may leave controls behind.
    const auto count = controlsInSlots();
    wizard.Redraw();
    wizard.Redraw();
    EXPECT_EQ(controlsInSlots(), count) << name;
  }
}

}  // namespace
