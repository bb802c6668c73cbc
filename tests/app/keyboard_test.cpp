#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless/accessibility.h"
#include "platform/headless/shell.h"
#include "render/primitives.h"
#include "wizard_fixture.h"

namespace fs = std::filesystem;

namespace {

using platform::AccessibleChange;
using Notices = std::vector<headless::AccessibleNotice>;

// The last `count` changes told to screen readers.
Notices lastNotices(std::ptrdiff_t count) {
  return {headless::accessibleNotices().end() - count, headless::accessibleNotices().end()};
}

class KeyboardTest : public WizardTest {
 protected:
  int focused() const { return wizard->focus.slot(); }

  // The dotted mark's corner, two or three pixels inside the box as the
  // button's height leaves room.
  bool showsFocusMark(int slot) {
    const WizardControl& button = *wizard->controls[slot];
    const auto at = [&](int inset) {
      return readPixel(wizard->frame(), static_cast<int16_t>(button.x + inset),
                       static_cast<int16_t>(button.y + inset)) == button.textColour;
    };
    return at(2) || at(3);
  }
};

// Reading order: top to bottom, then left to right, wrapping both ways;
// disabled buttons, labels and panels are passed over.
TEST_F(KeyboardTest, TabShiftTabAndTheArrowsGoRoundThePageInReadingOrder) {
  const struct {
    int16_t page;
    std::vector<int> order;
  } pages[] = {{PAGE_LANGUAGE, {1, 2, 3, 4, 0}}, {PAGE_VERSIONS, {3, 4, 0}},
               {PAGE_COMPLETED, {4, 0}},         {PAGE_QUICKSTART, {4, 3, 0}},
               {PAGE_LOCATION, {3, 4, 0}},       {PAGE_WRITE_ERROR, {3, 4, 0}}};
  for (const auto& [page, order] : pages) {
    wizard->page = page;
    wizard->Redraw();
    const int n = static_cast<int>(order.size());
    // The first Tab focuses the first button; pages entered later start there.
    if (page == PAGE_LANGUAGE) {
      EXPECT_EQ(focused(), -1);
      key(KEY_TAB, '\t');
    }
    for (int i = 0; i <= n; ++i) {
      EXPECT_EQ(focused(), order[static_cast<size_t>(i % n)]) << page << " after Tab " << i;
      if (i < n) key(KEY_TAB, '\t');
    }
    key(KEY_TAB, '\t');
    EXPECT_TRUE(showsFocusMark(order[1 % n])) << page;
    EXPECT_FALSE(showsFocusMark(order[0])) << page;
    // From the second button: back twice, round the start, and forth again.
    const std::pair<LogicalKey, int> arrows[] = {
        {KEY_SHIFT_TAB, 0}, {KEY_LEFT, n - 1}, {KEY_DOWN, 0}, {KEY_RIGHT, 1}, {KEY_UP, 0}};
    for (const auto& [arrow, at] : arrows) {
      key(arrow, 0);
      EXPECT_EQ(focused(), order[static_cast<size_t>(at)]) << page << " after key " << arrow;
    }
  }
  EXPECT_STREQ(wizard->installDir, "c:\\tx3demo");  // Tab and the arrows never type
}

// A key presses the focused button as a quick click: sunken for one turn,
// then its action. Without focus Enter keeps pressing slot 4.
TEST_F(KeyboardTest, SpaceAndEnterPressTheFocusedButtonEnterWithoutFocusPressesSlotFour) {
  click(1);  // English
  ASSERT_EQ(wizard->page, PAGE_VERSIONS);
  key(KEY_SPACE, ' ');  // nothing has the focus: Space does nothing
  key(KEY_RETURN, '\r');
  EXPECT_EQ(wizard->page, PAGE_INSTALLING);  // Next, as before

  wizard->page = PAGE_VERSIONS;
  wizard->Redraw();
  key(KEY_TAB, '\t');  // Back
  key(KEY_RETURN, '\r');
  EXPECT_TRUE(wizard->controls[3]->pressed);
  EXPECT_EQ(wizard->page, PAGE_VERSIONS);
  turn();
  EXPECT_EQ(wizard->page, PAGE_LANGUAGE);  // Back, not slot 4

  wizard->page = PAGE_LOCATION;
  wizard->Redraw();
  const std::string folder = wizard->installDir;
  key(KEY_TAB, '\t');   // Next
  key(KEY_SPACE, ' ');  // a folder may hold spaces
  EXPECT_EQ(wizard->installDir, folder + " ");
  key(KEY_RETURN, '\r');
  turn();
  EXPECT_EQ(wizard->page, PAGE_VERSIONS);
  key(KEY_SHIFT_TAB, 0);  // from Back round to Exit
  key(KEY_SPACE, ' ');
  EXPECT_FALSE(turn());
}

TEST_F(KeyboardTest, AWholeUpdateByKeysAloneAnswersNoToTheQuickStartQuestion) {
  fs::create_directories(game("qstart"));
  writeFile(game("qstart/league.qst"), "old");
  key(KEY_TAB, '\t');
  EXPECT_EQ(lastNotices(1), Notices({{AccessibleChange::focusMoved, 0}}));
  key(KEY_SPACE, ' ');
  turn();  // Install in English
  ASSERT_EQ(wizard->page, PAGE_VERSIONS);
  // The new page, then its focus on "< Back", after five lines of text.
  EXPECT_EQ(lastNotices(2),
            Notices({{AccessibleChange::pageShown, -1}, {AccessibleChange::focusMoved, 5}}));
  key(KEY_TAB, '\t');
  key(KEY_RETURN, '\r');
  turn();  // Next
  ASSERT_EQ(wizard->page, PAGE_INSTALLING);
  for (const LogicalKey still : {KEY_TAB, KEY_SPACE, KEY_RETURN}) key(still, 0);
  EXPECT_EQ(focused(), -1);  // nothing may stop the update half done
  EXPECT_EQ(lastNotices(1), Notices({{AccessibleChange::valueChanged, 1}}));  // the bar
  installUntilStopped();
  ASSERT_EQ(wizard->page, PAGE_QUICKSTART);
  key(KEY_TAB, '\t');  // from Yes to No
  key(KEY_SPACE, ' ');
  turn();
  ASSERT_EQ(wizard->page, PAGE_COMPLETED);
  EXPECT_TRUE(fs::exists(game("qstart/league.qst")));
  EXPECT_EQ(focused(), 4);  // Finish: Back is disabled
  key(KEY_RETURN, '\r');
  EXPECT_FALSE(turn());
  EXPECT_EQ(headless::openedDocuments().size(), 1u);
  expectInstalled(0, kArchiveEntryCount - 1);
}

// A screen reader's default action presses a button as a click does, and
// nothing else.
TEST_F(KeyboardTest, AScreenReaderPressesButtonsOnly) {
  platform::AccessibleContent& reader = *headless::accessibleContent();
  EXPECT_FALSE(reader.pressAccessibleItem(5));  // four languages and Exit
  EXPECT_TRUE(reader.pressAccessibleItem(0));
  turn();
  EXPECT_EQ(wizard->page, PAGE_VERSIONS);
  wizard->page = PAGE_COMPLETED;
  wizard->Redraw();
  EXPECT_FALSE(reader.pressAccessibleItem(0));  // "Update completed"
  EXPECT_FALSE(reader.pressAccessibleItem(1));  // "< Back", disabled
  EXPECT_TRUE(turn());
}

}  // namespace
