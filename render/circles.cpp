#include "render/primitives.h"

#include <cstdint>
#include <new>

#include "render/frame_buffer.h"
#include "render/status.h"

namespace {

// Leftmost and rightmost column plotted on one row of a disc.
struct Span {
  int16_t left = INT16_MAX;  // beyond any column, so the first point replaces it
  int16_t right = 0;
};

class MidpointCircle {
 public:
  MidpointCircle(FrameBuffer& frame, int16_t x0, int16_t y0, int16_t x1, int16_t y1, bool dashed,
                 uint16_t colour, Span* spans)
      : frame_(frame),
        x0_(x0),
        y0_(y0),
        x1_(x1),
        y1_(y1),
        dashed_(dashed),
        colour_(colour),
        spans_(spans) {}

  void trace() {
    const int cx = x0_ + (x1_ - x0_ + 1) / 2;
    const int cy = y0_ + (y1_ - y0_ + 1) / 2;
    int x = 0;
    int y = (y1_ - y0_ + 1) / 2;
    int decision = 3 - 2 * y;
    int step = 0;
    while (x < y) {
      plotOctants(cx, cy, x, y, step);
      if (decision < 0) {
        decision += 4 * x + 6;
      } else {
        decision += 4 * (x - y) + 10;
        --y;
      }
      ++x;
      ++step;
    }
    if (y != 0) plotOctants(cx, cy, y, y, step);
  }

  void fillSpans(uint16_t colour) {
    for (int i = 0; i < rows(); ++i) {
      if (spans_[i].right == 0) continue;
      const int16_t row = static_cast<int16_t>(y0_ + i - 1);
      drawLine(frame_, spans_[i].left, row, spans_[i].right, row, kLineSolid, colour);
    }
  }

  // One entry for every row of the box, widened by one above and below.
  int rows() const { return y1_ - y0_ + 3; }

 private:
  void plotOctants(int cx, int cy, int x, int y, int step) {
    if (dashed_ && step % 6 >= 4) return;
    plot(cx + x, cy + y);
    plot(cx - x, cy + y);
    plot(cx + x, cy - y);
    plot(cx - x, cy - y);
    plot(cx + y, cy + x);
    plot(cx - y, cy + x);
    plot(cx + y, cy - x);
    plot(cx - y, cy - x);
  }

  void plot(int x, int y) {
    if (x < x0_ - 1 || x > x1_ + 1 || y < y0_ - 1 || y > y1_ + 1) return;
    *framePixel(frame_, x, y) = colour_;
    if (spans_ == nullptr) return;
    Span& span = spans_[y - y0_ + 1];
    if (x < span.left) span.left = static_cast<int16_t>(x);
    if (x > span.right) span.right = static_cast<int16_t>(x);
  }

  FrameBuffer& frame_;
  int x0_, y0_, x1_, y1_;
  bool dashed_;
  uint16_t colour_;
  Span* spans_;
};

}  // namespace

int drawCircle(FrameBuffer& frame, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int flags,
               uint16_t colour) {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  clampRect(frame, x0, y0, x1, y1);
  // The circle lies inside the box's border.
  ++x0;
  ++y0;
  --x1;
  --y1;
  if (x1 - x0 != y1 - y0) return kStatusCircleNotSquare;
  const bool filled = (flags & kShapeFilled) != 0;
  const bool dashed = !filled && (flags & kShapeSolidOutline) == 0;
  // Without room for the span table the outline alone is drawn.
  Span* spans = filled ? new (std::nothrow) Span[y1 - y0 + 3] : nullptr;
  MidpointCircle circle(frame, x0, y0, x1, y1, dashed, colour, spans);
  circle.trace();
  if (spans != nullptr) {
    circle.fillSpans(colour);
    delete[] spans;
  }
  return kStatusOk;
}
