#include <gtest/gtest.h>

#include "platform/headless/cursor.h"
#include "platform/keyboard.h"
#include "platform/mouse.h"
#include "support/exit_code.h"
#include "test_screen.h"

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
  EXPECT_EQ(character + keyCode, 0);
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
  const uint32_t codes[] = {
      27, 13, 8, 37, 39, 107, 109, 112, 120, 0x10000u + 27, 0xFFFF0000u + 120};
  const LogicalKey keys[] = {KEY_ESCAPE, KEY_RETURN, KEY_BACKSPACE, KEY_LEFT,   KEY_RIGHT, KEY_PLUS,
                             KEY_MINUS,  KEY_F1,     KEY_F9,        KEY_ESCAPE, KEY_F9};
  for (size_t i = 0; i < std::size(codes); ++i) EXPECT_EQ(KEYBOARD::MapKey(codes[i]), keys[i]) << i;
  for (uint32_t none : {38u, 40u, 111u, 121u, 0u, 65u}) EXPECT_EQ(KEYBOARD::MapKey(none), KEY_NONE);
}

TEST_F(InputTest, ASecondKeyboardOrMouseEndsTheProcessWithItsMessage) {
  KEYBOARD keyboard;
  MOUSE mouse;
  EXPECT_EXIT(KEYBOARD second, exitedWithMinusOne(), "Second KEYBOARD class declared\\.");
  EXPECT_EXIT(MOUSE second, exitedWithMinusOne(), "Second MOUSE class declared\\.");
}

TEST_F(InputTest, TheMouseShowsItsShapesAndRestoresTheCursorItFound) {
  {
    MOUSE mouse;
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
  MOUSE mouse;
  EXPECT_EQ(headless::shownCursorName(), "IDC_WAIT");
  mouse.SetShape(2);
  EXPECT_EQ(headless::shownCursorName(), "IDC_ARROW");
}

}  // namespace
