#pragma once

#include <cstdint>

#include "platform/window.h"
#include "render/frame_buffer.h"

// The frame is pixel art: on a display of a larger scale it is shown at a
// whole-number scale, every frame pixel a square block of client pixels, so
// that it stays crisp. The frame itself keeps its size.

// 1 up to 125 %, 2 from 150 % to 200 %, 3 at 250 %: the nearest whole
// number, never below 1.
int displayScaleFor(int dpi);

// A client coordinate as a frame coordinate. Rounded down, so that a point
// left of or above the client area stays outside the frame.
int16_t frameCoordinate(int16_t client, int scale);

// The copy of the frame's dirty rectangle to where the client area shows it.
platform::Presentation scaledPresentation(const FrameBuffer& frame, int scale);
