#pragma once

#include <cstdint>

// The display window's side of the operating system. Handles are the
// platform's own, carried opaquely by the portable code; every size, position
// and rectangle is decided before these are called.
namespace platform {

class WindowEvents;
using WindowHandle = void*;

// The handle the program was started with; the window class, the window and
// the program's cursors belong to it.
void rememberProgramInstance(void* instance);

// Border sizes of a fixed-frame captioned window, and the desktop's size.
struct WindowMetrics {
  int16_t frameBorderWidth = 0;
  int16_t frameBorderHeight = 0;
  int16_t captionHeight = 0;
  int16_t desktopWidth = 0;
  int16_t desktopHeight = 0;
};

// The class "main": the shared window procedure, the stock icon, no cursor
// and no background, so nothing but the frame ever paints the client area.
void registerWindowClass();
WindowMetrics readWindowMetrics();

// A top-level window with a system menu and a minimise box but no sizing
// border or maximise box; null when it was not created. What happens to it
// is reported to `events` until it is destroyed.
WindowHandle createWindow(const char* title, int x, int y, int outerWidth, int outerHeight,
                          WindowEvents& events);
void updateWindow(WindowHandle window);
void showWindow(WindowHandle window);
void hideWindow(WindowHandle window);
// Gives a window that is opened again its caption back explicitly.
void restyleWindow(WindowHandle window);
void moveWindow(WindowHandle window, int x, int y, int outerWidth, int outerHeight);
void destroyWindow(WindowHandle window);
void minimiseWindow(WindowHandle window);
void setWindowTitle(WindowHandle window, const char* title);
// Dots per inch of the display the window is on: 96 at a scale of 100 %.
int windowDpi(WindowHandle window);
void clientAreaSize(WindowHandle window, int& width, int& height);

// Copies `width` x `height` pixels of a top-down 5-5-5 image, `imageWidth` x
// `imageHeight` with rows `pitch` bytes apart, to the `destWidth` x
// `destHeight` rectangle at (destX, destY) of the client area, each client
// pixel showing the source pixel it falls on (no filtering). As the
// platform's bitmap calls do, `sourceY` is the lowest row of the source
// rectangle counted upwards from the image's bottom row.
struct Presentation {
  const uint16_t* pixels = nullptr;
  int32_t pitch = 0;
  int16_t imageWidth = 0;
  int16_t imageHeight = 0;
  int16_t sourceX = 0;
  int16_t sourceY = 0;
  int16_t width = 0;
  int16_t height = 0;
  int32_t destX = 0;
  int32_t destY = 0;
  int32_t destWidth = 0;
  int32_t destHeight = 0;
};
void presentImage(WindowHandle window, const Presentation& presentation);

// Hands every message waiting in the queue on, without waiting for new ones;
// true when there was at least one.
bool dispatchWaitingMessages();

// Returns when a message arrives or after `milliseconds`, whichever is first.
void waitForMessage(int milliseconds);

}  // namespace platform
