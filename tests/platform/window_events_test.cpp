#include <gtest/gtest.h>

#include <memory>

#include "font_files.h"
#include "platform/headless/window.h"
#include "platform/keyboard.h"
#include "platform/mouse.h"
#include "render/frame_buffer.h"
#include "test_screen.h"

namespace {

class WindowEventsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(screen_.OpenGraphics(550, 350, "Setup", 0, fonts_.path), 0);
    screen_.PumpMessages();
    screen_.redraws = 0;
  }

  void recordSomeInput() {
    input.leftButton = input.rightButton = 1;
    input.keyCode = 65;
    input.character = 97;
  }

  FontFolder fonts_;
  TestScreen screen_;
  std::unique_ptr<MOUSE> mouse_ = std::make_unique<MOUSE>();
  std::unique_ptr<KEYBOARD> keyboard_ = std::make_unique<KEYBOARD>();
};

TEST_F(WindowEventsTest, ActivationAndPaintingRedrawAndForgetInputButNotTheCloseRequest) {
  headless::postClose();
  for (void (*post)() : {+[] { headless::postActivation(true); }, +[] { headless::postPaint(); }}) {
    recordSomeInput();
    post();
    screen_.PumpMessages();
    EXPECT_EQ(screen_.redraws, 1);
    EXPECT_EQ(input.leftButton + input.rightButton + input.keyCode + input.character, 0);
    screen_.redraws = 0;
  }
  EXPECT_EQ(input.quit, 1);
  EXPECT_TRUE(headless::window().exists);
}

TEST_F(WindowEventsTest, DeactivationMinimisesOnlyWhenAskedAndNotWhileOpening) {
  recordSomeInput();
  headless::postActivation(false);
  screen_.PumpMessages();
  EXPECT_FALSE(headless::window().minimised);
  EXPECT_EQ(screen_.redraws, 0);
  EXPECT_EQ(input.keyCode, 65);

  ASSERT_EQ(screen_.OpenGraphics(550, 350, "Setup", 1, fonts_.path), 0);
  for (bool opening : {true, false}) {
    frame.opening = opening;
    headless::postActivation(false);
    screen_.PumpMessages();
    EXPECT_EQ(headless::window().minimised, !opening);
  }
}

TEST_F(WindowEventsTest, KeysKeepTheLatestCodeAndCharacterByTheirLowBits) {
  headless::postKeyDown(27);
  headless::postCharacter(27);
  headless::postKeyDown(0x1'0000'0041);
  headless::postCharacter(0x161);  // the character is one byte of the code page
  screen_.PumpMessages();
  EXPECT_EQ(input.keyCode, 0x41);
  EXPECT_EQ(input.character, 0x61);
}

TEST_F(WindowEventsTest, PointerMovesAreSignedBringTheCursorBackAndButtonsFollow) {
  mouse_->SetShape(0);
  platform::setCursor(nullptr);  // as when the pointer crossed the border
  headless::postMouseMove(-5, 300);
  headless::postLeftButton(true);
  headless::postRightButton(true);
  screen_.PumpMessages();
  EXPECT_EQ(input.x, -5);
  EXPECT_EQ(input.y, 300);
  EXPECT_EQ(input.leftButton + input.rightButton, 2);
  EXPECT_EQ(headless::shownCursorName(), "IDC_STD");

  // Released outside the window: no release arrives, the press stays.
  headless::postMouseMove(549, -20);
  headless::postRightButton(false);
  screen_.PumpMessages();
  EXPECT_EQ(input.y, -20);
  EXPECT_EQ(input.leftButton - input.rightButton, 1);
}

TEST_F(WindowEventsTest, WithoutInputObjectsInputIsRecordedAndKeptAcrossPaints) {
  mouse_.reset();
  keyboard_.reset();
  recordSomeInput();
  headless::postPaint();
  headless::postMouseMove(7, 8);
  screen_.PumpMessages();
  EXPECT_EQ(screen_.redraws, 1);
  EXPECT_EQ(input.keyCode, 65);
  EXPECT_EQ(input.x, 7);
}

TEST_F(WindowEventsTest, TheLoopWaitsOnlyWhenIdle) {
  screen_.PumpMessages();
  screen_.WaitWhileIdle();
  EXPECT_EQ(headless::idleWaits(), 1);
  headless::postKeyDown(13);  // goes to the next Step without delay
  screen_.PumpMessages();
  screen_.WaitWhileIdle();
  screen_.busy = true;
  screen_.PumpMessages();
  screen_.WaitWhileIdle();
  EXPECT_EQ(headless::idleWaits(), 1);
}

TEST_F(WindowEventsTest, ThePumpPresentsWhatWasRedrawn) {
  screen_.Present();
  *framePixel(3, 4) = 31;
  frame.dirty = DirtyRect{3, 3, 4, 4};
  screen_.PumpMessages();
  EXPECT_EQ(headless::screenPixel(3, 4), 0xF8u);
}

}  // namespace
