#pragma once

#include "platform/window.h"

class TFrameWindow;

// The display window and what belongs to it; one copy per process. The frame
// it shows is the renderer's FrameBuffer.
struct DisplayState {
  platform::WindowHandle window = nullptr;
  TFrameWindow* frameWindow = nullptr;
  // Read at the first opening and kept for every later one.
  platform::WindowMetrics metrics;
};

extern DisplayState display;
