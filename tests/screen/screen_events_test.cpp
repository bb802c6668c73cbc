#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/headless/cursor.h"
#include "platform/headless/window.h"
#include "platform/window.h"
#include "screen/keyboard.h"
#include "screen/mouse.h"
#include "screen_support.h"
#include "support/exit_code.h"
#include "support/test_screen.h"

namespace {

class ScreenEventsTest : public testing::Test {
 protected:
  void SetUp() override {
    headless::resetDesktop();
    headless::resetCursors();
    ASSERT_EQ(screen_.OpenGraphics(550, 350, "Setup", 0, fonts_.path), 0);
    screen_.PumpMessages();
    screen_.redraws = 0;
  }

  // The right button down, a key and the left button down that wait for
  // their turns.
  void recordSomeInput() {
    headless::postButton(MouseButton::right, true);
    screen_.PumpMessages();
    headless::postKey(KEY_RETURN);
    headless::postCharacter(13);
    headless::postButton(MouseButton::left, true);
  }

  FontFolder fonts_;
  TestScreen screen_;
  const InputQueue& input_ = screen_.input();
  std::unique_ptr<MOUSE> mouse_ = std::make_unique<MOUSE>(screen_.input());
  std::unique_ptr<KEYBOARD> keyboard_ = std::make_unique<KEYBOARD>(screen_.input());
};

TEST_F(ScreenEventsTest, ASecondKeyboardOrMouseEndsTheProcessWithItsMessage) {
  EXPECT_EXIT(KEYBOARD second(screen_.input()), exitedWithMinusOne(),
              "Second KEYBOARD class declared\\.");
  EXPECT_EXIT(MOUSE second(screen_.input()), exitedWithMinusOne(),
              "Second MOUSE class declared\\.");
}

// Without the program's own cursors the system's stand in.
TEST_F(ScreenEventsTest, TheMouseShowsItsShapesOrTheSystemsAndRestoresTheCursorItFound) {
  mouse_.reset();
  for (const bool missing : {false, true}) {
    headless::resetCursors();
    for (const char* name : {"IDC_FOOTIE", "IDC_STD", "IDC_HAND"})
      headless::setMissingCursorResource(name, missing);
    {
      MOUSE mouse(screen_.input());
      EXPECT_EQ(headless::shownCursorName(), missing ? "IDC_WAIT" : "IDC_FOOTIE");
      mouse.SetShape(2);
      const std::string hand = missing ? "IDC_ARROW" : "IDC_HAND";
      EXPECT_EQ(headless::shownCursorName(), hand);
      const int calls = headless::cursorCalls();
      mouse.SetShape(2);
      mouse.RefreshCursor();
      EXPECT_EQ(headless::cursorCalls(), calls);  // nothing changed, nothing touched
      mouse.SetShape(3);                          // no such shape: nothing shown
      EXPECT_EQ(headless::shownCursorName(), hand);
      EXPECT_EQ(headless::cursorDisplayCount(), 0);
    }
    EXPECT_EQ(headless::shownCursorName(), "desktop");
    EXPECT_EQ(headless::cursorsDestroyed(), 3);
  }
}

// Activation forgets what the input objects would read; a repaint keeps it
// and shows the part it asks for at once, as it must inside a message box's
// loop or a drag, where no turn presents. Deactivation keeps input and
// minimises only when asked, never while the window opens.
TEST_F(ScreenEventsTest, WindowEventsRedrawForgetInputAndMinimiseAsAsked) {
  recordSomeInput();
  headless::postActivation(false);
  screen_.PumpMessages();
  EXPECT_FALSE(headless::window().minimised);
  EXPECT_EQ(screen_.redraws, 0);
  EXPECT_EQ(readKeys(*keyboard_), (std::vector<Press>{{KEY_RETURN, 13}}));

  headless::postClose();
  recordSomeInput();
  headless::postPointer(7, 8);  // the pointer keeps its latest position
  headless::postActivation(true);
  screen_.PumpMessages();
  EXPECT_EQ(screen_.redraws, 1);
  EXPECT_TRUE(input_.x() == 7 && input_.y() == 8);
  EXPECT_FALSE(input_.leftButton() || input_.rightButton() || input_.hasPending());
  EXPECT_TRUE(screen_.quitRequested());
  EXPECT_TRUE(headless::window().exists);

  recordSomeInput();
  fillPattern(screen_.frame(), 550, 350);  // drawn behind the dirty rectangle's back
  headless::postPaint({100, 50, 103, 52});
  platform::dispatchWaitingMessages();
  EXPECT_EQ(screen_.redraws, 2);
  EXPECT_TRUE(input_.rightButton() && input_.hasPending());
  EXPECT_EQ(headless::screenPixel(102, 51), onScreen(patternPixel(102, 51)));
  EXPECT_EQ(headless::screenPixel(103, 51) + headless::screenPixel(100, 52), 0u);

  mouse_.reset();
  keyboard_.reset();
  recordSomeInput();
  headless::postActivation(true);
  headless::postPointer(7, 8);
  screen_.PumpMessages();
  EXPECT_EQ(screen_.redraws, 3);
  EXPECT_TRUE(input_.leftButton() && input_.hasPending());

  ASSERT_EQ(screen_.OpenGraphics(550, 350, "Setup", 1, fonts_.path), 0);
  for (bool opening : {true, false}) {
    screen_.frame().opening = opening;
    headless::postActivation(false);
    screen_.PumpMessages();
    EXPECT_EQ(headless::window().minimised, !opening);
  }
}

// A burst typed while the program was busy arrives whole: every press in
// order, each with the character it typed. Until all are read the loop goes
// on to the next Step without waiting.
TEST_F(ScreenEventsTest, KeyPressesAndButtonChangesWaitTheirTurnsInOrder) {
  const auto cycle = [this] {
    screen_.PumpMessages();
    screen_.WaitWhileIdle();
  };
  cycle();
  EXPECT_EQ(headless::idleWaits(), 1);
  // Keys without a name of ours, a key that types nothing, and a character
  // (the one beyond ASCII, as Alt and the keypad type it) without a key of
  // its own right after it.
  const std::vector<Press> typed = {{KEY_NONE, 'a'},    {KEY_NONE, 'b'}, {KEY_ESCAPE, 27},
                                    {KEY_BACKSPACE, 8}, {KEY_LEFT, 0},   {KEY_NONE, 0xE9}};
  for (const auto& [key, character] : typed) {
    const bool ofKeyPress = character < 0x80;
    if (ofKeyPress) headless::postKey(static_cast<LogicalKey>(key));
    if (character != 0) headless::postCharacter(static_cast<uint8_t>(character), ofKeyPress);
  }
  cycle();
  cycle();
  screen_.busy = true;
  EXPECT_EQ(readKeys(*keyboard_), typed);
  cycle();
  EXPECT_EQ(headless::idleWaits(), 1);

  // A press and a release that arrive together still make two turns, each
  // with the position the change happened at; on a display of another scale
  // the positions are divided by it.
  mouse_->SetShape(0);
  platform::setCursor(nullptr);  // as when the pointer crossed the border
  headless::postPointer(-5, 300);
  headless::postButton(MouseButton::left, true);
  headless::postPointer(20, -7);
  headless::postButton(MouseButton::left, false);
  headless::postPointer(549, 10);
  const auto turn = [this] {
    screen_.PumpMessages();
    return std::tuple<int, int, bool>{input_.x(), input_.y(), input_.leftButton()};
  };
  EXPECT_EQ(turn(), std::make_tuple(-5, 300, true));
  EXPECT_EQ(headless::shownCursorName(), "IDC_STD");
  EXPECT_EQ(turn(), std::make_tuple(20, -7, false));
  EXPECT_EQ(turn(), std::make_tuple(549, 10, false));

  // Released outside the window: no release arrives, the press stays.
  headless::postButton(MouseButton::right, true);
  turn();
  uint8_t left = 1, right = 0;
  mouse_->GetButtons(left, right);
  EXPECT_EQ(std::make_pair(left, right), std::make_pair(uint8_t{0}, uint8_t{1}));

  // The system suggests the window grown by 150 %; the frame is shown at 2.
  headless::postDpiChange(144, platform::WindowPlacement{40, 30, 834, 564});
  screen_.PumpMessages();
  EXPECT_EQ(std::make_tuple(headless::window().x, headless::window().y), std::make_tuple(40, 30));
  EXPECT_EQ(std::make_tuple(headless::screenWidth(), headless::screenHeight()),
            std::make_tuple(1100, 700));
  EXPECT_EQ(headless::screenPixel(1099, 699), 0u);  // the cleared frame, shown anew
  EXPECT_EQ(headless::lastPresentedArea(), 550 * 350);
  // Rounded down: a point left of or above the client area stays outside.
  const std::tuple<int16_t, int16_t, int, int> clientAndFrame[] = {
      {1099, 699, 549, 349}, {0, 3, 0, 1}, {-1, -2, -1, -1}};
  for (const auto& [clientX, clientY, frameX, frameY] : clientAndFrame) {
    headless::postPointer(clientX, clientY);
    EXPECT_EQ(turn(), std::make_tuple(frameX, frameY, false));
  }
}

}  // namespace
