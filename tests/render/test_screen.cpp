#include "test_screen.h"

#include <algorithm>

#include "render/frame_buffer.h"

TestScreen::TestScreen(int16_t width, int16_t height) {
  setFrameSize(width, height);
  reopenFrame();
}

TestScreen::~TestScreen() {
  // The frame is this object's, not the display's: nothing is left for
  // CloseGraphics to release.
  frame = FrameBuffer{};
}

void TestScreen::closeFrame() {
  frame.pixels = nullptr;
}

void TestScreen::reopenFrame() {
  frame.pitch = framePitchFor(width());
  storage_.assign(static_cast<size_t>(frame.pitch / 2) * height(), 0);
  frame.pixels = storage_.data();
  frame.opening = 0;
  frame.dirty.clear();
}

uint16_t TestScreen::at(int x, int y) const {
  return storage_[static_cast<size_t>(y) * (frame.pitch / 2) + x];
}

void TestScreen::fill(uint16_t colour) {
  std::fill(storage_.begin(), storage_.end(), colour);
}

int TestScreen::countNot(uint16_t colour) const {
  int count = 0;
  for (int y = 0; y < height(); ++y) {
    for (int x = 0; x < width(); ++x) count += at(x, y) != colour ? 1 : 0;
  }
  return count;
}

std::vector<std::pair<int, int>> TestScreen::lit() const {
  std::vector<std::pair<int, int>> points;
  for (int y = 0; y < height(); ++y) {
    for (int x = 0; x < width(); ++x) {
      if (at(x, y) != 0) points.emplace_back(x, y);
    }
  }
  return points;
}
