#include <gtest/gtest.h>

#include "platform/headless/cursor.h"
#include "platform/keyboard.h"
#include "platform/mouse.h"
#include "test_screen.h"
#include "support/exit_code.h"

namespace {

class InputTest : public testing::Test {
 protected:
  TestScreen screen_;  // a fresh desktop, cursors and input
};

TEST_F(InputTest, ReadingAKeyHandsOutBothValuesOnce) {
  KEYBOARD keyboard;
  uint8_t character = 9;
  uint16_t keyCode = 9;
  EXPECT_FALSE(keyboard.ReadKey(character, keyCode));
  EXPECT_EQ(character, 0);
  EXPECT_EQ(keyCode, 0);

  input.keyCode = 112;  // F1 types no character
  EXPECT_TRUE(keyboard.ReadKey(character, keyCode));
  EXPECT_EQ(keyCode, 112);
  EXPECT_EQ(character, 0);
  EXPECT_FALSE(keyboard.ReadKey(character, keyCode));

  input.character = 'x';
  EXPECT_TRUE(keyboard.ReadKey(character, keyCode));
  EXPECT_EQ(character, 'x');
  EXPECT_EQ(keyCode, 0);
}

TEST_F(InputTest, KeysMapToLogicalKeysByTheirLowSixteenBits) {
  EXPECT_EQ(KEYBOARD::MapKey(27), KEY_ESCAPE);
  EXPECT_EQ(KEYBOARD::MapKey(13), KEY_RETURN);
  EXPECT_EQ(KEYBOARD::MapKey(8), KEY_BACKSPACE);
  EXPECT_EQ(KEYBOARD::MapKey(37), KEY_LEFT);
  EXPECT_EQ(KEYBOARD::MapKey(39), KEY_RIGHT);
  EXPECT_EQ(KEYBOARD::MapKey(107), KEY_PLUS);
  EXPECT_EQ(KEYBOARD::MapKey(109), KEY_MINUS);
  EXPECT_EQ(KEYBOARD::MapKey(112), KEY_F1);
  EXPECT_EQ(KEYBOARD::MapKey(120), KEY_F9);
  for (uint32_t none : {38u, 40u, 111u, 121u, 122u, 123u, 0u, 65u})
    EXPECT_EQ(KEYBOARD::MapKey(none), KEY_NONE) << none;
  EXPECT_EQ(KEYBOARD::MapKey(0x10000u + 27), KEY_ESCAPE);
  EXPECT_EQ(KEYBOARD::MapKey(0xFFFF0000u + 120), KEY_F9);
}

TEST_F(InputTest, ASecondKeyboardOrMouseEndsTheProcessWithItsMessage) {
  KEYBOARD keyboard;
  MOUSE mouse;
  EXPECT_EXIT(KEYBOARD second, exitedWithMinusOne(), "Second KEYBOARD class declared\\.");
  EXPECT_EXIT(MOUSE second, exitedWithMinusOne(), "Second MOUSE class declared\\.");
}

TEST_F(InputTest, TheMouseShowsTheFootballFirstAndRestoresTheCursorItFound) {
  {
    MOUSE mouse;
    EXPECT_EQ(mouse.shape(), 1);
    EXPECT_EQ(headless::shownCursorName(), "IDC_FOOTIE");
    mouse.SetShape(0);
    EXPECT_EQ(headless::shownCursorName(), "IDC_STD");
    mouse.SetShape(2);
    EXPECT_EQ(headless::shownCursorName(), "IDC_HAND");
    EXPECT_EQ(headless::cursorDisplayCount(), 0);
  }
  EXPECT_EQ(headless::shownCursorName(), "desktop");
  EXPECT_EQ(headless::cursorsDestroyed(), 3);
}

TEST_F(InputTest, MissingCursorResourcesFallBackToSystemCursors) {
  headless::setMissingCursorResource("IDC_FOOTIE", true);
  headless::setMissingCursorResource("IDC_STD", true);
  headless::setMissingCursorResource("IDC_HAND", true);
  MOUSE mouse;
  EXPECT_EQ(headless::shownCursorName(), "IDC_WAIT");
  mouse.SetShape(0);
  EXPECT_EQ(headless::shownCursorName(), "IDC_ARROW");
  mouse.SetShape(2);
  EXPECT_EQ(headless::shownCursorName(), "IDC_ARROW");
}

TEST_F(InputTest, OnlyAChangeOfShapeOrOfTheSystemCursorTouchesTheCursor) {
  MOUSE mouse;
  const int calls = headless::cursorCalls();
  mouse.SetShape(1);
  mouse.RefreshCursor();
  EXPECT_EQ(headless::cursorCalls(), calls);

  mouse.SetShape(3);  // no such shape: stored, nothing shown
  EXPECT_EQ(mouse.shape(), 3);
  EXPECT_EQ(headless::shownCursorName(), "IDC_FOOTIE");
  platform::setCursor(nullptr);
  mouse.RefreshCursor();
  EXPECT_EQ(headless::shownCursorName(), "");
  EXPECT_EQ(headless::cursorDisplayCount(), 0);
}

}  // namespace
