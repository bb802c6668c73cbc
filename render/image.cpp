#include "render/image.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "render/frame_buffer.h"
#include "render/status.h"

namespace {

// The part of a span [start, start + length) that clampRect left on the frame
// as [clampedStart, clampedEnd], as an offset into the span and a count. A
// span wholly off the frame keeps its element nearest to the frame, which is
// drawn on the frame's edge.
struct Clip {
  int offset;
  int count;
};

Clip clipSpan(int start, int length, int clampedStart, int clampedEnd) {
  const int offset = std::clamp(clampedStart - start, 0, length - 1);
  return {offset, std::min(clampedEnd - clampedStart + 1, length - offset)};
}

}  // namespace

IMAGE::~IMAGE() {
  delete[] pixels;
}

int IMAGE::reallocate(int16_t w, int16_t h) {
  if (pixels != nullptr && (w != width || h != height)) {
    delete[] pixels;
    pixels = nullptr;
  }
  if (pixels == nullptr) {
    pixels = new (std::nothrow) uint16_t[static_cast<size_t>(w) * static_cast<size_t>(h)];
    if (pixels == nullptr) return kStatusPictureNotAllocated;
  }
  return kStatusOk;
}

void IMAGE::convertTo555() {
  if (is565 == 0) return;
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  for (size_t i = 0; i < count; ++i) pixels[i] = convert565To555(pixels[i]);
  is565 = 0;
}

int IMAGE::grab(FrameBuffer& frame, int16_t x, int16_t y, int16_t w, int16_t h) {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  int16_t x0 = x, y0 = y;
  int16_t x1 = saturate16(x + w - 1), y1 = saturate16(y + h - 1);
  clampRect(frame, x0, y0, x1, y1);
  const int16_t clampedWidth = static_cast<int16_t>(x1 - x0 + 1);
  const int16_t clampedHeight = static_cast<int16_t>(y1 - y0 + 1);
  const int status = reallocate(clampedWidth, clampedHeight);
  if (status != kStatusOk) return status;
  width = clampedWidth;
  height = clampedHeight;
  for (int row = 0; row < height; ++row)
    std::memcpy(pixels + static_cast<size_t>(row) * width, framePixel(frame, x0, y0 + row),
                static_cast<size_t>(width) * 2);
  return kStatusOk;
}

int IMAGE::put(FrameBuffer& frame, int16_t x, int16_t y) const {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  if (pixels == nullptr) return kStatusPictureEmpty;
  int16_t x0 = x, y0 = y;
  int16_t x1 = saturate16(x + width - 1), y1 = saturate16(y + height - 1);
  clampRect(frame, x0, y0, x1, y1);
  // A picture reaching past the left or top edge loses its columns and rows
  // there; the rest stays where it was placed.
  const Clip columns = clipSpan(x, width, x0, x1);
  const Clip rows = clipSpan(y, height, y0, y1);
  for (int row = 0; row < rows.count; ++row)
    std::memcpy(framePixel(frame, x0, y0 + row),
                pixels + static_cast<size_t>(rows.offset + row) * width + columns.offset,
                static_cast<size_t>(columns.count) * 2);
  return kStatusOk;
}

uint16_t IMAGE::pixelAt(int16_t x, int16_t y) const {
  if (pixels == nullptr || x < 0 || y < 0 || x >= width || y >= height) return 0;
  const uint16_t word = pixels[static_cast<size_t>(y) * width + x];
  return is565 != 0 ? convert565To555(word) : word;
}
