#include "render/primitives.h"

#include <algorithm>

#include "render/frame_buffer.h"
#include "render/status.h"

namespace {

void drawOutline(FrameBuffer& frame, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int style,
                 uint16_t colour) {
  drawLine(frame, x0, y0, x1, y0, style, colour);
  drawLine(frame, x1, y0, x1, y1, style, colour);
  drawLine(frame, x1, y1, x0, y1, style, colour);
  drawLine(frame, x0, y1, x0, y0, style, colour);
}

}  // namespace

int drawRect(FrameBuffer& frame, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int flags,
             uint16_t colour) {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  clampRect(frame, x0, y0, x1, y1);
  if ((flags & kRectDashed) != 0) {
    drawOutline(frame, x0, y0, x1, y1, kLineDashed, colour);
  } else if ((flags & kShapeSolidOutline) != 0) {
    drawOutline(frame, x0, y0, x1, y1, kLineSolid, colour);
  } else {
    // Fills leave out the right column and the bottom row; the outlines
    // include them.
    for (int y = y0; y < y1; ++y) std::fill_n(framePixel(frame, x0, y), x1 - x0, colour);
  }
  return kStatusOk;
}
