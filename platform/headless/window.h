#pragma once

#include <cstdint>
#include <string>

#include "platform/window_events.h"

// The desktop that the headless platform simulates for tests: one window,
// its client area as a screen of 0xRRGGBB pixels, and a message queue that
// tests fill with input.
namespace headless {

// Window styles in the platform's own numbering.
inline constexpr uint32_t kStyleCaption = 0x00C00000;
inline constexpr uint32_t kStyleSystemMenu = 0x00080000;
inline constexpr uint32_t kStyleMinimiseBox = 0x00020000;

// The simulated metrics: fixed frame borders, caption and desktop.
inline constexpr int kFrameBorder = 3;
inline constexpr int kCaptionHeight = 19;
inline constexpr int kDesktopWidth = 1024;
inline constexpr int kDesktopHeight = 768;

struct WindowRecord {
  bool exists = false;
  bool visible = false;
  bool minimised = false;
  std::string className;
  std::string title;
  uint32_t style = 0;
  int x = 0;
  int y = 0;
  int outerWidth = 0;
  int outerHeight = 0;
  int largeIcon = 0;  // icon group shown, 0 for the class icon
  int smallIcon = 0;
};

// The current window, or the last one after it was destroyed.
const WindowRecord& window();
int classRegistrations();
int windowsCreated();
// Makes the next window creations fail (or succeed again).
void failWindowCreation(bool fail);

// The client area as last presented; pixels never presented are 0xFF00FF.
int screenWidth();
int screenHeight();
uint32_t screenPixel(int x, int y);
int presentations();
// Pixels copied by the last presentation.
int lastPresentedArea();

// What happens to the window, reported to the program by the next pump.
void postActivation(bool active);
// The whole client area, or a part of it, is to be painted again.
void postPaint();
void postPaint(const platform::ClientRect& area);
void postClose();
void postKey(LogicalKey key);
// The character typed by the key posted last, or one typed on its own.
void postCharacter(uint8_t character, bool ofKeyPress = true);
void postPointer(int16_t x, int16_t y);
void postButton(MouseButton button, bool down);
// The window now stands on a display of `dpi` dots per inch.
void postDpiChange(int dpi, const platform::WindowPlacement& suggested);
int queuedMessages();

// Times the main loop waited for a message.
int idleWaits();

// The dots per inch of the display windows open on; 96 until set.
void setDisplayDpi(int dpi);
// The borders windows get from now on, while the metrics keep telling the
// simulated ones, as after a change of scale since sign-in.
void setWindowBorders(int frameBorder, int captionHeight);

// Forgets the window, the screen, the queue and the counters.
void resetDesktop();

}  // namespace headless
