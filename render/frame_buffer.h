#pragma once

#include <cstdint>

// The single off-screen frame: 5-5-5 pixels, top row first.
struct FrameBuffer {
  uint16_t* pixels = nullptr;
  int32_t pitch = 0;
  uint8_t opening = 0;  // set while the display is being opened
};

extern FrameBuffer frame;

// Drawing is allowed only on an open frame.
bool isFrameReady();
