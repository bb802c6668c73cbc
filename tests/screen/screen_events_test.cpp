#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "font_files.h"
#include "platform/headless/cursor.h"
#include "platform/headless/window.h"
#include "screen/keyboard.h"
#include "screen/mouse.h"
#include "support/test_screen.h"

namespace {

using Press = std::tuple<int, int>;  // key, character

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

  std::vector<Press> readKeys() {
    std::vector<Press> presses;
    uint8_t character = 0;
    LogicalKey key = KEY_NONE;
    while (keyboard_->ReadKey(character, key)) presses.emplace_back(key, character);
    return presses;
  }

  FontFolder fonts_;
  TestScreen screen_;
  const InputQueue& input_ = screen_.input();
  std::unique_ptr<MOUSE> mouse_ = std::make_unique<MOUSE>(screen_.input());
  std::unique_ptr<KEYBOARD> keyboard_ = std::make_unique<KEYBOARD>(screen_.input());
};

TEST_F(ScreenEventsTest, ActivationAndPaintingRedrawAndForgetInputButNotTheCloseRequest) {
  headless::postClose();
  for (void (*post)() : {+[] { headless::postActivation(true); }, +[] { headless::postPaint(); }}) {
    recordSomeInput();
    post();
    screen_.PumpMessages();
    EXPECT_EQ(screen_.redraws, 1);
    EXPECT_FALSE(input_.leftButton() || input_.rightButton() || input_.hasPending());
    screen_.redraws = 0;
  }
  EXPECT_TRUE(screen_.quitRequested());
  EXPECT_TRUE(headless::window().exists);
}

TEST_F(ScreenEventsTest, DeactivationMinimisesOnlyWhenAskedAndNotWhileOpening) {
  recordSomeInput();
  headless::postActivation(false);
  screen_.PumpMessages();
  EXPECT_FALSE(headless::window().minimised);
  EXPECT_EQ(screen_.redraws, 0);
  EXPECT_EQ(readKeys(), (std::vector<Press>{{KEY_RETURN, 13}}));

  ASSERT_EQ(screen_.OpenGraphics(550, 350, "Setup", 1, fonts_.path), 0);
  for (bool opening : {true, false}) {
    screen_.frame().opening = opening;
    headless::postActivation(false);
    screen_.PumpMessages();
    EXPECT_EQ(headless::window().minimised, !opening);
  }
}

// A burst typed while the program was busy arrives whole: every press in
// order, each with the character it typed.
TEST_F(ScreenEventsTest, KeyPressesWaitInOrderEachWithItsCharacter) {
  for (char c : std::string("ab")) {
    headless::postKey(KEY_NONE);
    headless::postCharacter(static_cast<uint8_t>(c));
  }
  headless::postKey(KEY_ESCAPE);
  headless::postCharacter(27);
  headless::postKey(KEY_LEFT);  // types nothing
  headless::postKey(KEY_BACKSPACE);
  headless::postCharacter(8);
  headless::postCharacter(0xE9);  // typed without a key of its own
  screen_.PumpMessages();
  EXPECT_EQ(readKeys(), (std::vector<Press>{{KEY_NONE, 'a'},
                                            {KEY_NONE, 'b'},
                                            {KEY_ESCAPE, 27},
                                            {KEY_LEFT, 0},
                                            {KEY_BACKSPACE, 8},
                                            {KEY_NONE, 0xE9}}));
}

// A press and a release that arrive together still make two turns, each
// with the position the change happened at.
TEST_F(ScreenEventsTest, ButtonChangesTakeATurnEachAtTheirPositions) {
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
}

// The system suggests the window grown by 150 %; the frame is shown at 2.
TEST_F(ScreenEventsTest, AScaleChangeRefitsTheWindowShowsItAnewAndDividesPositions) {
  headless::postDpiChange(144, platform::WindowPlacement{40, 30, 834, 564});
  screen_.PumpMessages();
  EXPECT_EQ(std::make_tuple(headless::window().x, headless::window().y), std::make_tuple(40, 30));
  EXPECT_EQ(std::make_tuple(headless::screenWidth(), headless::screenHeight()),
            std::make_tuple(1100, 700));
  EXPECT_EQ(headless::screenPixel(1099, 699), 0u);  // the cleared frame, shown anew
  // Rounded down: a point left of or above the client area stays outside.
  const std::tuple<int16_t, int16_t, int, int> clientAndFrame[] = {
      {1099, 699, 549, 349}, {0, 3, 0, 1}, {-1, -2, -1, -1}};
  for (const auto& [clientX, clientY, frameX, frameY] : clientAndFrame) {
    headless::postPointer(clientX, clientY);
    screen_.PumpMessages();
    EXPECT_EQ(std::make_tuple(int{input_.x()}, int{input_.y()}), std::make_tuple(frameX, frameY));
  }
}

TEST_F(ScreenEventsTest, WithoutInputObjectsInputIsRecordedAndKeptAcrossPaints) {
  mouse_.reset();
  keyboard_.reset();
  recordSomeInput();
  headless::postPaint();
  headless::postPointer(7, 8);
  screen_.PumpMessages();
  EXPECT_EQ(screen_.redraws, 1);
  EXPECT_TRUE(input_.leftButton() && input_.hasPending());
}

TEST_F(ScreenEventsTest, TheLoopWaitsOnlyWhenIdle) {
  const auto cycle = [this] {
    screen_.PumpMessages();
    screen_.WaitWhileIdle();
  };
  cycle();
  EXPECT_EQ(headless::idleWaits(), 1);
  headless::postKey(KEY_RETURN);  // goes to the next Step without delay
  cycle();
  cycle();  // still waiting to be read
  screen_.busy = true;
  readKeys();
  cycle();
  EXPECT_EQ(headless::idleWaits(), 1);
}

}  // namespace
