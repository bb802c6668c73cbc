#include "render/frame_buffer.h"

#include <cstdlib>
#include <utility>

bool FrameBuffer::allocate(int16_t newWidth, int16_t newHeight) {
  release();
  if (newWidth <= 0 || newHeight <= 0) return false;
  const int32_t newPitch = framePitchFor(newWidth);
  // Zeroed: a full-frame fill leaves out the right column and the bottom
  // row, which would otherwise show whatever the memory held.
  pixels = static_cast<uint16_t*>(
      std::calloc(static_cast<size_t>(newHeight), static_cast<size_t>(newPitch)));
  if (pixels == nullptr) return false;
  width = newWidth;
  height = newHeight;
  pitch = newPitch;
  // A rectangle left over from another size could reach past the new array.
  dirty.clear();
  return true;
}

void FrameBuffer::release() {
  std::free(pixels);
  pixels = nullptr;
}

int32_t framePitchFor(int16_t width) {
  return (static_cast<int32_t>(width) * 2 + 3) / 4 * 4;
}

bool isFrameReady(const FrameBuffer& frame) {
  // Without a size every clamped position would lie outside the array.
  return frame.opening == 0 && frame.pixels != nullptr && frame.width > 0 && frame.height > 0;
}

namespace {

void clampInto(int16_t& value, int16_t size) {
  if (value < 0) value = 0;
  if (value >= size) value = static_cast<int16_t>(size - 1);
}

void widenLow(int16_t& bound, int16_t value) {
  if (bound == -1 || bound > value) bound = value;
}

void widenHigh(int16_t& bound, int16_t value) {
  if (bound == -1 || bound < value) bound = value;
}

}  // namespace

void clampRect(FrameBuffer& frame, int16_t& x0, int16_t& y0, int16_t& x1, int16_t& y1) {
  clampInto(x0, frame.width);
  clampInto(x1, frame.width);
  clampInto(y0, frame.height);
  clampInto(y1, frame.height);
  if (x1 < x0) std::swap(x0, x1);
  if (y1 < y0) std::swap(y0, y1);
  widenLow(frame.dirty.left, x0);
  widenHigh(frame.dirty.right, x1);
  widenLow(frame.dirty.top, y0);
  widenHigh(frame.dirty.bottom, y1);
}
