#include "screen/display_scale.h"

namespace {

constexpr int kDpiAtFullSize = 96;

}  // namespace

int displayScaleFor(int dpi) {
  const int scale = (dpi + kDpiAtFullSize / 2) / kDpiAtFullSize;
  return scale < 1 ? 1 : scale;
}

int16_t frameCoordinate(int16_t client, int scale) {
  const int rounded = client >= 0 ? client / scale : (client - scale + 1) / scale;
  return static_cast<int16_t>(rounded);
}

platform::Presentation scaledPresentation(const FrameBuffer& frame, int scale) {
  const DirtyRect& dirty = frame.dirty;
  platform::Presentation copy;
  copy.pixels = frame.pixels;
  copy.pitch = frame.pitch;
  copy.imageWidth = frame.width;
  copy.imageHeight = frame.height;
  copy.sourceX = dirty.left;
  copy.sourceY = static_cast<int16_t>(frame.height - 1 - dirty.bottom);
  copy.width = static_cast<int16_t>(dirty.right - dirty.left + 1);
  copy.height = static_cast<int16_t>(dirty.bottom - dirty.top + 1);
  copy.destX = dirty.left * scale;
  copy.destY = dirty.top * scale;
  copy.destWidth = copy.width * scale;
  copy.destHeight = copy.height * scale;
  return copy;
}
