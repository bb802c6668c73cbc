#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/qvio.h"

// A registered screen with an open frame of its own, so the renderer can be
// exercised without a display. The frame starts black and clean.
class TestScreen : public QVIO {
 public:
  explicit TestScreen(int16_t width = 550, int16_t height = 350);
  ~TestScreen() override;

  bool Redraw() override { return true; }
  bool Step() override { return false; }

  // Frame state as the display leaves it when the frame is closed, or open.
  void closeFrame();
  void reopenFrame();

  uint16_t at(int x, int y) const;
  void fill(uint16_t colour);
  // Pixels that differ from `colour`.
  int countNot(uint16_t colour) const;
  // The (x, y) of every pixel that is not black, row by row.
  std::vector<std::pair<int, int>> lit() const;
  const std::vector<uint16_t>& pixels() const { return storage_; }

 private:
  std::vector<uint16_t> storage_;
};
