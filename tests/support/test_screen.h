#pragma once

#include "screen/qvio.h"

// A screen whose Redraw is counted and whose idle state a test chooses.
struct TestScreen : QVIO {
  bool Redraw() override {
    ++redraws;
    return true;
  }
  bool Step() override { return true; }
  bool wantsNextStepAtOnce() const override { return busy; }

  int redraws = 0;
  bool busy = false;
};
