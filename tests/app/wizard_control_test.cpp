#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/wizard_control.h"
#include "screen/input_queue.h"
#include "screen/mouse.h"
#include "support/test_frame.h"

namespace {

constexpr uint16_t kLight = 0x7FFF;
constexpr uint16_t kDark = 0x2108;
constexpr uint16_t kBackground = 0x0011;

class ControlTest : public testing::Test {
 protected:
  ControlTest() { frame_.fill(kBackground); }
  ~ControlTest() override { delete control_; }

  WizardControl* make(ControlKind kind, const char* text = "OK") {
    delete control_;
    control_ = createControl(100, 100, 80, 20, text, kind, 0, 0);
    return control_;
  }

  // One turn of the main loop with the pointer at (x, y) and the button as given.
  bool turn(int x, int y, bool down) {
    holdAt(x, y, down);
    return hitTestControl(frame_, control_, &mouse_);
  }

  void holdAt(int x, int y, bool down) {
    input_.pointerMoved(static_cast<int16_t>(x), static_cast<int16_t>(y));
    input_.buttonChanged(MouseButton::left, down);
    input_.nextTurn();
  }

  bool clickAt(int x, int y) {
    const bool atPress = turn(x, y, true);
    return turn(x, y, false) || atPress;
  }

  TestFrame frame_;
  InputQueue input_;
  MOUSE mouse_{input_};
  WizardControl* control_ = nullptr;
};

// A press and a release inside, wherever the pointer went between; the
// outermost rows and columns are outside; a release outside cancels.
TEST_F(ControlTest, AClickIsAPressAndAReleaseStrictlyInside) {
  make(KIND_GOTO);
  EXPECT_FALSE(turn(140, 110, true));
  EXPECT_EQ(frame_.at(100, 100), kDark);  // redrawn sunken
  EXPECT_FALSE(turn(300, 300, true));     // motion alone changes nothing
  EXPECT_TRUE(turn(141, 111, false));
  EXPECT_EQ(frame_.at(100, 100), kLight);
  EXPECT_FALSE(turn(141, 111, false));  // one click per release
  EXPECT_FALSE(turn(140, 110, true) || turn(20, 20, false) || turn(20, 20, true) ||
               turn(140, 110, false) || control_->pressed);
  const struct {
    int x, y;
    bool clicks;
  } points[] = {{100, 110, false}, {140, 100, false}, {180, 110, false},
                {140, 120, false}, {101, 101, true},  {179, 119, true}};
  for (const auto& p : points) EXPECT_EQ(clickAt(p.x, p.y), p.clicks) << p.x << "," << p.y;
  holdAt(140, 110, true);  // a control made while the button is held takes the press
  make(KIND_KEEP_QUICKSTART);
  EXPECT_FALSE(turn(140, 110, true));
  EXPECT_TRUE(turn(140, 110, false));
}

// A click asked for without the mouse counts once and draws nothing;
// controls that never click ignore both kinds, and so does an empty slot.
TEST_F(ControlTest, PendingClicksCountOnceOnlyOnControlsThatClick) {
  make(KIND_DELETE_QUICKSTART)->clickPending = true;
  frame_.dirty.clear();
  EXPECT_TRUE(hitTestControl(frame_, control_, nullptr));
  EXPECT_TRUE(frame_.dirty.isEmpty());
  EXPECT_FALSE(hitTestControl(frame_, control_, &mouse_));
  holdAt(140, 110, true);
  EXPECT_FALSE(hitTestControl(frame_, control_, nullptr));  // no mouse, no press
  holdAt(140, 110, false);
  // A panel has no caption, whatever its kind.
  const std::pair<ControlKind, const char*> controls[] = {
      {KIND_INACTIVE, "OK"}, {KIND_LABEL, "OK"}, {KIND_ENTRY, "OK"}, {KIND_GOTO, ""}};
  for (const auto& [kind, text] : controls) {
    make(kind, text)->clickPending = true;
    EXPECT_FALSE(hitTestControl(frame_, control_, &mouse_) || clickAt(140, 110)) << kind;
  }
  EXPECT_FALSE(hitTestControl(frame_, nullptr, &mouse_));
  std::vector<WizardControl*> one(1);  // a control for a slot that is not there is dropped
  putControl(one, 1, createControl(0, 0, 1, 1, "x", KIND_GOTO, 0, 0));
  EXPECT_EQ(one[0], nullptr);
}

}  // namespace
