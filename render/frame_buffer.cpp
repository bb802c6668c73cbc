#include "render/frame_buffer.h"

#include <utility>

#include "platform/qvio.h"

FrameBuffer frame;

int32_t framePitchFor(int16_t width) {
  return (static_cast<int32_t>(width) * 2 + 3) / 4 * 4;
}

int16_t frameWidth() {
  const QVIO* screen = QVIO::instance();
  return screen != nullptr ? screen->width() : 0;
}

int16_t frameHeight() {
  const QVIO* screen = QVIO::instance();
  return screen != nullptr ? screen->height() : 0;
}

bool isFrameReady() {
  // Without a size every clamped position would lie outside the array.
  return frame.opening == 0 && frame.pixels != nullptr && frameWidth() > 0 && frameHeight() > 0;
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

void clampRect(int16_t& x0, int16_t& y0, int16_t& x1, int16_t& y1) {
  const int16_t width = frameWidth();
  const int16_t height = frameHeight();
  clampInto(x0, width);
  clampInto(x1, width);
  clampInto(y0, height);
  clampInto(y1, height);
  if (x1 < x0) std::swap(x0, x1);
  if (y1 < y0) std::swap(y0, y1);
  widenLow(frame.dirty.left, x0);
  widenHigh(frame.dirty.right, x1);
  widenLow(frame.dirty.top, y0);
  widenHigh(frame.dirty.bottom, y1);
}
