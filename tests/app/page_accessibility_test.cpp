#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/language_tables.h"
#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"
#include "page_shots/page_scene.h"
#include "platform/headless/accessibility.h"
#include "platform/headless/window.h"
#include "support/shipped_fonts.h"
#include "support/temp_folder.h"

namespace {

using platform::AccessibleItem;
using platform::AccessibleRole;

// One item as a screen reader would say it.
std::string spoken(const AccessibleItem& item) {
  const char* const roles[] = {"button ", "text ", "edit ", "progress "};
  return roles[static_cast<int>(item.role)] + std::string(item.name) +
         (item.value[0] != '\0' ? std::string("= ") + item.value : "") +
         (item.unavailable ? " unavailable" : "") + (item.focused ? " focused" : "");
}

// The display's scale while a test's wizard lives.
struct DisplayAt {
  explicit DisplayAt(int dpi) { headless::setDisplayDpi(dpi); }
  ~DisplayAt() { headless::setDisplayDpi(96); }
};

// The wizard on a display at 200 %, asked through the window as a screen
// reader asks.
class PageAccessibilityTest : public testing::Test {
 protected:
  std::vector<AccessibleItem> items() {
    std::array<AccessibleItem, platform::kMostAccessibleItems> found;
    const int count = headless::accessibleContent()->accessibleItems(found);
    return {found.begin(), found.begin() + count};
  }

  DisplayAt display_{192};
  CurrentFolder inFonts_{shippedFontFolder()};
  TX3INST wizard_;
};

// Buttons with their names and states, labels and wrapped lines with their
// texts, the entry box with the folder, the bar with its percentage; panels
// and the heading are left out. A Tab on the versions page focuses its first
// button; every page after it starts on its default button, but the
// installing page. The entry box takes what is typed.
TEST_F(PageAccessibilityTest, EachPageReadsAsItShowsInReadingOrder) {
  const struct {
    int16_t page;
    bool tabbed;
    std::vector<std::string> said;
  } pages[] = {
      {PAGE_LANGUAGE,
       false,
       {"button Install in English",
        "button Installation en Fran\xE7"
        "ais",
        "button Installa in Italiano", "button Instala\xE7\xE3o em Portugu\xEAs", "button Exit"}},
      {PAGE_VERSIONS,
       true,
       {"text Current installed version:", "text Version 3.02 (ENG)",
        "text New version to install:", "text Version 3.03e (ENG,FRA,POR,ITA)",
        "text Click 'Next' to update", "button < Back focused", "button Next >", "button Exit"}},
      {PAGE_INSTALLING, false, {"text Updating...", "progress = 100%", "button Exit"}},
      {PAGE_COMPLETED,
       false,
       {"text Update completed", "button < Back unavailable", "button Finish focused",
        "button Exit"}},
      {PAGE_QUICKSTART,
       false,
       {"text The quick start files from your original installation are out of date. They",
        "text will still work, but will not contain the most recent data.",
        "text Delete the quick start files (recommended) ?", "button Yes focused", "button No",
        "button Exit"}},
      {PAGE_LOCATION,
       false,
       {"text Click 'Next' to continue", "edit = c:\\tx3demo", "button < Back",
        "button Next > focused", "button Exit"}},
  };
  wizard_.installStep = 37;  // the check and all 36 entries done
  for (const auto& [page, tabbed, said] : pages) {
    drawPageShot(wizard_, page, LANGUAGE_ENGLISH);
    if (tabbed) {
      wizard_.focus.move(wizard_.controls, true);
      wizard_.Redraw();
    }
    std::vector<std::string> heard;
    for (const AccessibleItem& item : items()) {
      heard.push_back(spoken(item));
      const bool button = item.role == AccessibleRole::pushButton;
      EXPECT_EQ(item.focusable,
                (button && !item.unavailable) || item.role == AccessibleRole::editableText)
          << item.name;
      EXPECT_EQ(item.pressable, button && !item.unavailable) << item.name;
    }
    EXPECT_EQ(heard, said) << page;
    // Places are client pixels: frame pixels times the display's scale; a
    // box reaches over its bevel's outer edge. Exit, in slot 0, comes last.
    const WizardControl& exit = *wizard_.controls[0];
    const AccessibleItem last = items().back();
    EXPECT_EQ((std::array{last.x, last.y, last.width, last.height}),
              (std::array{2 * exit.x, 2 * exit.y, 2 * (exit.width + 1), 2 * (exit.height + 1)}))
        << page;
    // The installing page's text stands where it is drawn, 40 pixels above the bar.
    if (page == PAGE_INSTALLING) {
      EXPECT_EQ(items().front().y, 2 * (wizard_.boxY - 40));
    }
  }
}

}  // namespace
