#include "render/primitives.h"

#include "render/frame_buffer.h"
#include "render/status.h"

uint16_t readPixel(FrameBuffer& frame, int16_t x, int16_t y) {
  if (!isFrameReady(frame)) return 0;
  int16_t right = x, bottom = y;
  clampRect(frame, x, y, right, bottom);
  return *framePixel(frame, x, y);
}

namespace {

// Capped at full brightness; a negative percent gives black rather than
// wrapping round into the field's top bits.
int scaleChannel(int channel, int percent) {
  const int scaled = channel * percent / 100;
  return scaled > 255 ? 255 : scaled < 0 ? 0 : scaled;
}

}  // namespace

uint16_t scaleColour(uint16_t colour, int16_t percent, bool is565) {
  const int blue = scaleChannel((colour & 0x1F) * 8, percent);
  if (is565) {
    const int green = scaleChannel(((colour >> 5) & 0x3F) * 4, percent);
    const int red = scaleChannel(((colour >> 11) & 0x1F) * 8, percent);
    return static_cast<uint16_t>((red >> 3) << 11 | (green >> 2) << 5 | blue >> 3);
  }
  const int green = scaleChannel(((colour >> 5) & 0x1F) * 8, percent);
  const int red = scaleChannel(((colour >> 10) & 0x1F) * 8, percent);
  return static_cast<uint16_t>((red >> 3) << 10 | (green >> 3) << 5 | blue >> 3);
}
