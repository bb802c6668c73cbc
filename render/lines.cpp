#include <cstdlib>
#include <utility>

#include "render/frame_buffer.h"
#include "render/primitives.h"
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
  SlopedLine(int16_t left, int16_t top, int16_t right, int16_t bottom, bool solid, uint16_t colour)
      : left_(left), top_(top), right_(right), bottom_(bottom), solid_(solid), colour_(colour) {}

  void trace(int xa, int ya, int xb, int yb) {
    const int dx = std::abs(xb - xa);
    const int dy = std::abs(yb - ya);
    if (dx < dy) {
      if (ya > yb) {
        std::swap(xa, xb);
        std::swap(ya, yb);
      }
      const int step = xb > xa ? 1 : -1;
      int error = 2 * dx - dy;
      int x = xa;
      plot(x, ya);
      for (int y = ya + 1; y <= yb; ++y) {
        if (error >= 0) {
          x += step;
          error += 2 * (dx - dy);
        } else {
          error += 2 * dx;
        }
        plot(x, y);
      }
    } else {
      if (xa > xb) {
        std::swap(xa, xb);
        std::swap(ya, yb);
      }
      const int step = yb > ya ? 1 : -1;
      int error = 2 * dy - dx;
      int y = ya;
      plot(xa, y);
      for (int x = xa + 1; x <= xb; ++x) {
        if (error >= 0) {
          y += step;
          error += 2 * (dy - dx);
        } else {
          error += 2 * dy;
        }
        plot(x, y);
      }
    }
  }

 private:
  void plot(int x, int y) {
    if (x < left_ || x > right_ || y < top_ || y > bottom_) return;
    if (solid_ || dashShows(counted_)) *framePixel(x, y) = colour_;
    ++counted_;
  }

  int left_, top_, right_, bottom_;
  bool solid_;
  uint16_t colour_;
  int counted_ = 0;
};

}  // namespace

int drawLine(int16_t xa, int16_t ya, int16_t xb, int16_t yb, int style, uint16_t colour) {
  if (!isFrameReady()) return kStatusFrameNotOpen;
  int16_t left = xa, top = ya, right = xb, bottom = yb;
  clampRect(left, top, right, bottom);
  const bool solid = isSolid(style);
  if (top == bottom) {
    drawRun(framePixel(left, top), right - left + 1, 1, solid, colour);
  } else if (left == right) {
    drawRun(framePixel(left, top), bottom - top + 1, frame.pitch / 2, solid, colour);
  } else {
    SlopedLine(left, top, right, bottom, solid, colour).trace(xa, ya, xb, yb);
  }
  return kStatusOk;
}
