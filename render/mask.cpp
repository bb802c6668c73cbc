#include "render/primitives.h"

#include "render/frame_buffer.h"
#include "render/status.h"

int fillMask(FrameBuffer& frame, int16_t x, int16_t y, int16_t w, int16_t h, uint16_t colour,
             const uint8_t* mask) {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  int16_t left = x, top = y;
  int16_t right = saturate16(x + w - 1), bottom = saturate16(y + h - 1);
  clampRect(frame, left, top, right, bottom);
  if (mask == nullptr) return kStatusNoMask;
  if (w <= 0 || h <= 0) return kStatusOk;
  // Each frame pixel takes its own mask cell, so a mask cut at an edge is not
  // shifted, and cells of a mask moved onto an edge are never read outside
  // the mask.
  for (int row = top; row <= bottom; ++row) {
    const int i = row - y;
    if (i < 0 || i >= h) continue;
    uint16_t* pixel = framePixel(frame, left, row);
    for (int column = left; column <= right; ++column, ++pixel) {
      const int j = column - x;
      if (j >= 0 && j < w && mask[i * w + j] != 0) *pixel = colour;
    }
  }
  return kStatusOk;
}
