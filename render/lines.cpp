#include "render/primitives.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "render/frame_buffer.h"
#include "render/status.h"

namespace {

constexpr int kDashPeriod = 6;
constexpr int kDashOn = 4;

bool isSolid(int style) {
  return (style & 1) != 0;
}

bool dashShows(int step) {
  return step % kDashPeriod < kDashOn;
}

// A run of `count` pixels from `first`, `stride` words apart; dashes count
// from the run's first pixel.
void drawRun(uint16_t* first, int count, intptr_t stride, bool solid, uint16_t colour) {
  if (solid && stride == 1) {
    std::fill_n(first, count, colour);
    return;
  }
  if (solid) {
    for (int i = 0; i < count; ++i, first += stride) *first = colour;
    return;
  }
  for (int i = 0; i < count; ++i, first += stride) {
    if (dashShows(i)) *first = colour;
  }
}

// The general line: traced between the unclamped endpoints so that its slope
// does not change at the frame's edge; only points inside the clamped box are
// plotted, and only those advance the dash.
class SlopedLine {
 public:
  SlopedLine(const FrameBuffer& frame, int16_t left, int16_t top, int16_t right, int16_t bottom,
             bool solid, uint16_t colour)
      : frame_(frame),
        left_(left),
        top_(top),
        right_(right),
        bottom_(bottom),
        solid_(solid),
        colour_(colour) {}

  // Walks the major axis (the longer one, x on a tie) from its lower end.
  void trace(int xa, int ya, int xb, int yb) {
    steep_ = std::abs(xb - xa) < std::abs(yb - ya);
    int majorA = steep_ ? ya : xa, minorA = steep_ ? xa : ya;
    int majorB = steep_ ? yb : xb, minorB = steep_ ? xb : yb;
    if (majorA > majorB) {
      std::swap(majorA, majorB);
      std::swap(minorA, minorB);
    }
    const int majorDelta = majorB - majorA;
    const int minorDelta = std::abs(minorB - minorA);
    const int step = minorB > minorA ? 1 : -1;
    int error = 2 * minorDelta - majorDelta;
    int minor = minorA;
    plotAlong(majorA, minor);
    for (int major = majorA + 1; major <= majorB; ++major) {
      if (error >= 0) {
        minor += step;
        error += 2 * (minorDelta - majorDelta);
      } else {
        error += 2 * minorDelta;
      }
      plotAlong(major, minor);
    }
  }

 private:
  void plotAlong(int major, int minor) {
    if (steep_) {
      plot(minor, major);
    } else {
      plot(major, minor);
    }
  }

  void plot(int x, int y) {
    if (x < left_ || x > right_ || y < top_ || y > bottom_) return;
    if (solid_ || dashShows(counted_)) *framePixel(frame_, x, y) = colour_;
    ++counted_;
  }

  const FrameBuffer& frame_;
  int left_, top_, right_, bottom_;
  bool solid_;
  uint16_t colour_;
  int counted_ = 0;
  bool steep_ = false;
};

}  // namespace

int drawLine(FrameBuffer& frame, int16_t xa, int16_t ya, int16_t xb, int16_t yb, int style,
             uint16_t colour) {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  int16_t left = xa, top = ya, right = xb, bottom = yb;
  clampRect(frame, left, top, right, bottom);
  const bool solid = isSolid(style);
  if (top == bottom) {
    drawRun(framePixel(frame, left, top), right - left + 1, 1, solid, colour);
  } else if (left == right) {
    drawRun(framePixel(frame, left, top), bottom - top + 1, frame.pitch / 2, solid, colour);
  } else {
    SlopedLine(frame, left, top, right, bottom, solid, colour).trace(xa, ya, xb, yb);
  }
  return kStatusOk;
}
