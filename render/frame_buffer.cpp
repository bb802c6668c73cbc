#include "render/frame_buffer.h"

FrameBuffer frame;

bool isFrameReady() {
  return frame.opening == 0 && frame.pixels != nullptr;
}
