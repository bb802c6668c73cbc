#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "render/frame_buffer.h"

// An open frame of its own for drawing tests, black and clean, without fonts
// until a test gives it some.
class TestFrame : public FrameBuffer {
 public:
  explicit TestFrame(int16_t frameWidth = 550, int16_t frameHeight = 350);

  // Black again, open and with nothing dirty, as after an opening.
  void reopen();

  uint16_t at(int x, int y) const;
  void fill(uint16_t colour);
  // Pixels that differ from `colour`.
  int countNot(uint16_t colour) const;
  // The (x, y) of every pixel that is not black, row by row.
  std::vector<std::pair<int, int>> lit() const;
  std::vector<uint16_t> snapshot() const;
};
