#include <gtest/gtest.h>

#include <string>

#include "app/wizard_control.h"
#include "platform/input_state.h"
#include "platform/mouse.h"
#include "render/frame_buffer.h"
#include "render/test_screen.h"

namespace {

constexpr uint16_t kFace = 0x6739;
constexpr uint16_t kLight = 0x7FFF;
constexpr uint16_t kDark = 0x2108;
constexpr uint16_t kBackground = 0x0011;

class ControlTest : public testing::Test {
 protected:
  ControlTest() {
    input = InputState{};
    screen_.fill(kBackground);
  }
  ~ControlTest() override { delete control_; }

  WizardControl* make(ControlKind kind, const char* text = "OK") {
    delete control_;
    control_ = createControl(100, 100, 80, 20, text, kind, 0, 0);
    return control_;
  }

  // One turn of the main loop with the pointer at (x, y) and the button as given.
  bool turn(int x, int y, bool down) {
    input.x = static_cast<int16_t>(x);
    input.y = static_cast<int16_t>(y);
    input.leftButton = down ? 1 : 0;
    return hitTestControl(control_, &mouse_);
  }

  bool clickAt(int x, int y) {
    const bool atPress = turn(x, y, true);
    return turn(x, y, false) || atPress;
  }

  TestScreen screen_;
  MOUSE mouse_;
  WizardControl* control_ = nullptr;
};

TEST_F(ControlTest, PressAndReleaseInsideClicksWhereverThePointerWentBetween) {
  make(KIND_GOTO);
  EXPECT_FALSE(turn(140, 110, true));
  EXPECT_TRUE(control_->pressed);
  EXPECT_FALSE(turn(300, 300, true));  // motion alone changes nothing
  EXPECT_TRUE(control_->pressed);
  EXPECT_FALSE(turn(141, 111, true));
  EXPECT_TRUE(turn(141, 111, false));
  EXPECT_FALSE(control_->pressed);
  EXPECT_FALSE(turn(141, 111, false));  // one click per release
}

TEST_F(ControlTest, AReleaseOutsideCancelsAndAPressOutsideNeverClicks) {
  make(KIND_EXIT);
  EXPECT_FALSE(turn(140, 110, true));
  EXPECT_FALSE(turn(20, 20, false));
  EXPECT_FALSE(control_->pressed);
  EXPECT_FALSE(turn(20, 20, true));
  EXPECT_FALSE(turn(140, 110, false));
  EXPECT_FALSE(control_->pressed);
}

TEST_F(ControlTest, TheOutermostRowsAndColumnsAreOutside) {
  make(KIND_LANGUAGE);
  EXPECT_FALSE(clickAt(100, 110));  // left edge column
  EXPECT_FALSE(clickAt(140, 100));  // top edge row
  EXPECT_FALSE(clickAt(180, 110));  // right edge column
  EXPECT_FALSE(clickAt(140, 120));  // bottom edge row
  EXPECT_TRUE(clickAt(101, 101));
  EXPECT_TRUE(clickAt(179, 119));
}

TEST_F(ControlTest, ControlsThatNeverClickIgnoreBothMouseAndPendingClicks) {
  for (const ControlKind kind : {KIND_INACTIVE, KIND_LABEL, KIND_ENTRY}) {
    make(kind)->clickPending = true;
    EXPECT_FALSE(hitTestControl(control_, &mouse_)) << kind;
    EXPECT_FALSE(clickAt(140, 110)) << kind;
  }
  // A panel has no caption, whatever its kind.
  make(KIND_GOTO, "")->clickPending = true;
  EXPECT_FALSE(hitTestControl(control_, &mouse_));
  EXPECT_FALSE(clickAt(140, 110));
  EXPECT_FALSE(hitTestControl(nullptr, &mouse_));
}

TEST_F(ControlTest, APendingClickCountsOnceAndDrawsNothing) {
  make(KIND_DELETE_QUICKSTART)->clickPending = true;
  frame.dirty.clear();
  EXPECT_TRUE(hitTestControl(control_, nullptr));
  EXPECT_TRUE(frame.dirty.isEmpty());
  EXPECT_EQ(screen_.countNot(kBackground), 0);
  EXPECT_FALSE(hitTestControl(control_, &mouse_));
  input.leftButton = 1;
  EXPECT_FALSE(hitTestControl(control_, nullptr));  // no mouse, no press
}

TEST_F(ControlTest, AControlMadeWhileTheButtonIsHeldTakesThePress) {
  input.x = 140;
  input.y = 110;
  input.leftButton = 1;
  make(KIND_KEEP_QUICKSTART);
  EXPECT_FALSE(turn(140, 110, true));
  EXPECT_TRUE(control_->pressed);
  EXPECT_TRUE(turn(140, 110, false));
}

TEST_F(ControlTest, AHitTestRedrawsTheControlInItsNewState) {
  make(KIND_GOTO);
  turn(140, 110, true);
  EXPECT_EQ(screen_.at(100, 100), kDark);  // sunken
  turn(140, 110, false);
  EXPECT_EQ(screen_.at(100, 100), kLight);
}

TEST(CreateControl, KeepsAtMost199CharactersOfItsText) {
  const std::string longText(250, 'x');
  WizardControl* control = createControl(0, 0, 10, 10, longText.c_str(), KIND_ENTRY, 0, 0);
  EXPECT_EQ(std::string(control->text), std::string(199, 'x'));
  delete control;
  const std::string folder = std::string(199, 'f') + "|";
  control = createControl(0, 0, 10, 10, folder.c_str(), KIND_ENTRY, 0, 0);
  EXPECT_EQ(std::string(control->text), std::string(199, 'f'));
  EXPECT_FALSE(control->pressed || control->lastButton || control->clickPending);
  delete control;
  control = createControl(0, 0, 10, 10, nullptr, KIND_LABEL, 0, 0);
  EXPECT_STREQ(control->text, "");
  delete control;
}

// A box covers one pixel more than its size each way: the outer bevel lines
// lie just beyond the filled face. Pressed, the edges change colours.
TEST(DrawControl, ARaisedBoxIsLightTopLeftAndASunkenOneDark) {
  TestScreen screen;
  for (const bool pressed : {false, true}) {
    screen.fill(kBackground);
    WizardControl* panel = createControl(10, 10, 40, 20, "", KIND_INACTIVE, 0, 0);
    panel->pressed = pressed;
    drawControl(panel);
    const uint16_t topLeft = pressed ? kDark : kLight;
    const uint16_t bottomRight = pressed ? kLight : kDark;
    EXPECT_EQ(screen.at(10, 10), topLeft);
    EXPECT_EQ(screen.at(11, 28), topLeft);
    EXPECT_EQ(screen.at(50, 10), bottomRight);  // the right edge is drawn over the top
    EXPECT_EQ(screen.at(10, 30), bottomRight);  // the bottom edge over the left
    EXPECT_EQ(screen.at(11, 29), bottomRight);
    EXPECT_EQ(screen.at(49, 11), bottomRight);
    EXPECT_EQ(screen.at(30, 20), kFace);
    EXPECT_EQ(screen.countNot(kBackground), 41 * 21);
    delete panel;
  }
}

}  // namespace
