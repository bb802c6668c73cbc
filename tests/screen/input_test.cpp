#include <gtest/gtest.h>

#include "platform/headless/cursor.h"
#include "screen/keyboard.h"
#include "screen/mouse.h"
#include "support/exit_code.h"
#include "support/test_screen.h"

namespace {

class InputTest : public testing::Test {
 protected:
  void SetUp() override { headless::resetCursors(); }

  TestScreen screen_;
};

TEST_F(InputTest, ASecondKeyboardOrMouseEndsTheProcessWithItsMessage) {
  KEYBOARD keyboard(screen_.input());
  MOUSE mouse(screen_.input());
  EXPECT_EXIT(KEYBOARD second(screen_.input()), exitedWithMinusOne(),
              "Second KEYBOARD class declared\\.");
  EXPECT_EXIT(MOUSE second(screen_.input()), exitedWithMinusOne(),
              "Second MOUSE class declared\\.");
}

TEST_F(InputTest, TheMouseShowsItsShapesAndRestoresTheCursorItFound) {
  {
    MOUSE mouse(screen_.input());
    EXPECT_EQ(headless::shownCursorName(), "IDC_FOOTIE");
    mouse.SetShape(2);
    EXPECT_EQ(headless::shownCursorName(), "IDC_HAND");
    const int calls = headless::cursorCalls();
    mouse.SetShape(2);
    mouse.RefreshCursor();
    EXPECT_EQ(headless::cursorCalls(), calls);  // nothing changed, nothing touched
    mouse.SetShape(3);                          // no such shape: nothing shown
    EXPECT_EQ(headless::shownCursorName(), "IDC_HAND");
    EXPECT_EQ(headless::cursorDisplayCount(), 0);
  }
  EXPECT_EQ(headless::shownCursorName(), "desktop");
  EXPECT_EQ(headless::cursorsDestroyed(), 3);
}

TEST_F(InputTest, MissingCursorResourcesFallBackToSystemCursors) {
  for (const char* name : {"IDC_FOOTIE", "IDC_STD", "IDC_HAND"})
    headless::setMissingCursorResource(name, true);
  MOUSE mouse(screen_.input());
  EXPECT_EQ(headless::shownCursorName(), "IDC_WAIT");
  mouse.SetShape(2);
  EXPECT_EQ(headless::shownCursorName(), "IDC_ARROW");
}

}  // namespace
