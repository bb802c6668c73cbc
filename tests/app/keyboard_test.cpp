#include <gtest/gtest.h>

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
// disabled buttons, labels and panels are passed over. After the first Tab
// a page starts on its default button, the one Enter presses, or on its
// first where it has none.
TEST_F(KeyboardTest, TabShiftTabAndTheArrowsGoRoundThePageInReadingOrder) {
  const struct {
    int16_t page;
    std::vector<int> order;
    int start;
  } pages[] = {{PAGE_LANGUAGE, {1, 2, 3, 4, 0}, 0}, {PAGE_VERSIONS, {3, 4, 0}, 1},
               {PAGE_COMPLETED, {4, 0}, 0},         {PAGE_QUICKSTART, {4, 3, 0}, 0},
               {PAGE_LOCATION, {3, 4, 0}, 1},       {PAGE_WRITE_ERROR, {3, 4, 0}, 1},
               {PAGE_NOT_FOUND, {4, 0}, 0},         {PAGE_LANGUAGE, {1, 2, 3, 4, 0}, 0}};
  EXPECT_EQ(focused(), -1);
  key(KEY_TAB, '\t');
  for (const auto& [page, order, start] : pages) {
    show(page);
    const int n = static_cast<int>(order.size());
    const auto at = [&](int step) { return order[static_cast<size_t>((start + step + n) % n)]; };
    for (int i = 0; i <= n; ++i) {
      EXPECT_EQ(focused(), at(i)) << page << " after Tab " << i;
      if (i < n) key(KEY_TAB, '\t');
    }
    key(KEY_TAB, '\t');
    EXPECT_TRUE(showsFocusMark(at(1))) << page;
    EXPECT_FALSE(showsFocusMark(at(0))) << page;
    // From the next button: back twice, round the start, and forth again.
    const std::pair<LogicalKey, int> arrows[] = {
        {KEY_SHIFT_TAB, 0}, {KEY_LEFT, -1}, {KEY_DOWN, 0}, {KEY_RIGHT, 1}, {KEY_UP, 0}};
    for (const auto& [arrow, step] : arrows) {
      key(arrow, 0);
      EXPECT_EQ(focused(), at(step)) << page << " after key " << arrow;
    }
  }
  EXPECT_STREQ(wizard->installDir, "c:\\tx3demo");  // Tab and the arrows never type
}

// A key presses the focused button as a quick click: sunken for one turn,
// then its action. Without focus Enter keeps pressing slot 4. A repaint, as
// when the window is uncovered, loses nothing that waits for a turn; a button
// held down while the window is activated again lets go without a click.
TEST_F(KeyboardTest, SpaceAndEnterPressTheFocusedButtonARepaintLosesNothing) {
  click(1);  // English
  ASSERT_EQ(wizard->page, PAGE_VERSIONS);
  key(KEY_SPACE, ' ');  // nothing has the focus: Space does nothing
  key(KEY_RETURN, '\r');
  EXPECT_EQ(wizard->page, PAGE_INSTALLING);  // Next, as before

  show(PAGE_VERSIONS);
  look();
  for (const LogicalKey tab : {KEY_TAB, KEY_TAB}) headless::postKey(tab);
  headless::postPaint();
  turn();
  turn();
  EXPECT_EQ(focused(), 4);  // Back, then Next
  const WizardControl& next = *wizard->controls[4];
  headless::postPointer(static_cast<int16_t>(next.x + 5), static_cast<int16_t>(next.y + 5));
  headless::postButton(MouseButton::left, true);
  turn();
  EXPECT_TRUE(next.pressed);
  headless::postActivation(true);
  headless::postButton(MouseButton::left, false);
  turn();
  turn();
  ASSERT_EQ(wizard->page, PAGE_VERSIONS);
  EXPECT_FALSE(next.pressed);
  key(KEY_SHIFT_TAB, 0);  // Back
  key(KEY_RETURN, '\r');
  headless::postPaint();
  EXPECT_TRUE(wizard->controls[3]->pressed);
  EXPECT_EQ(wizard->page, PAGE_VERSIONS);
  turn();
  EXPECT_EQ(wizard->page, PAGE_LANGUAGE);  // Back, not slot 4

  show(PAGE_LOCATION);  // on Next
  const std::string folder = wizard->installDir;
  key(KEY_SPACE, ' ');  // a folder may hold spaces
  EXPECT_EQ(wizard->installDir, folder + " ");
  key(KEY_RETURN, '\r');
  turn();
  EXPECT_EQ(wizard->page, PAGE_VERSIONS);
  key(KEY_TAB, '\t');  // from Next on to Exit
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
  // The new page, then its focus on "Next >", after five lines and "< Back".
  EXPECT_EQ(lastNotices(2),
            Notices({{AccessibleChange::pageShown, -1}, {AccessibleChange::focusMoved, 6}}));
  key(KEY_RETURN, '\r');
  turn();
  ASSERT_EQ(wizard->page, PAGE_INSTALLING);
  for (const LogicalKey still : {KEY_TAB, KEY_SPACE, KEY_RETURN}) key(still, 0);
  EXPECT_EQ(focused(), -1);  // the installing page has no buttons
  EXPECT_EQ(lastNotices(1), Notices({{AccessibleChange::valueChanged, 1}}));  // the bar
  // Enter pressed again and again during a slow entry near the end: all of
  // it was meant for the installing page, none answers the question.
  while (wizard->installStep < kArchiveEntryCount - 2) turn();
  look();
  for (int presses = 0; presses < 10; ++presses) headless::postKey(KEY_RETURN);
  installUntilStopped();
  ASSERT_EQ(wizard->page, PAGE_QUICKSTART);
  turn();
  ASSERT_EQ(wizard->page, PAGE_QUICKSTART);
  EXPECT_EQ(focused(), 4);  // Yes
  key(KEY_TAB, '\t');       // on to No
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
  show(PAGE_COMPLETED);
  EXPECT_FALSE(reader.pressAccessibleItem(0));  // "Update completed"
  EXPECT_FALSE(reader.pressAccessibleItem(1));  // "< Back", disabled
  EXPECT_TRUE(turn());
}

}  // namespace
