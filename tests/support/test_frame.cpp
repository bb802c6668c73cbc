#include "support/test_frame.h"

#include <algorithm>

TestFrame::TestFrame(int16_t frameWidth, int16_t frameHeight) {
  allocate(frameWidth, frameHeight);
}

void TestFrame::reopen() {
  allocate(width, height);
  opening = 0;
}

uint16_t TestFrame::at(int x, int y) const {
  return *framePixel(*this, x, y);
}

void TestFrame::fill(uint16_t colour) {
  std::fill_n(pixels, static_cast<size_t>(pitch / 2) * height, colour);
}

int TestFrame::countNot(uint16_t colour) const {
  int count = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) count += at(x, y) != colour ? 1 : 0;
  }
  return count;
}

std::vector<std::pair<int, int>> TestFrame::lit() const {
  std::vector<std::pair<int, int>> points;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (at(x, y) != 0) points.emplace_back(x, y);
    }
  }
  return points;
}

std::vector<uint16_t> TestFrame::snapshot() const {
  return std::vector<uint16_t>(pixels, pixels + static_cast<size_t>(pitch / 2) * height);
}
