#pragma once

#include "platform/headless/cursor.h"
#include "platform/headless/window.h"
#include "platform/input_state.h"
#include "platform/qvio.h"
#include "render/frame_buffer.h"

// A screen whose Redraw is counted and whose idle state a test chooses. It
// starts every test on a fresh simulated desktop with no input recorded.
struct TestScreen : QVIO {
  TestScreen() {
    headless::resetDesktop();
    headless::resetCursors();
    input = InputState{};
    frame.opening = 0;
    frame.dirty.clear();
  }
  ~TestScreen() override { CloseGraphics(); }

  bool Redraw() override {
    ++redraws;
    return true;
  }
  bool Step() override { return true; }
  bool wantsNextStepAtOnce() const override { return busy; }

  int redraws = 0;
  bool busy = false;
};
