#pragma once

#include <cstdint>

// The installer's own key numbers. The platform's key codes are translated
// into these before the program sees a key; keys it does not know arrive as
// KEY_NONE.
enum LogicalKey : int {
  KEY_NONE = 0,
  KEY_LEFT,
  KEY_RIGHT,
  KEY_BACKSPACE,
  KEY_DELETE,
  KEY_ESCAPE,
  KEY_RETURN,
  KEY_TAB,
  KEY_INSERT,
  KEY_PLUS,
  KEY_MINUS,
  KEY_F1,
  KEY_F2,
  KEY_F3,
  KEY_F4,
  KEY_F5,
  KEY_F6,
  KEY_F7,
  KEY_F8,
  KEY_F9,
  KEY_UP,
  KEY_DOWN,
  KEY_SPACE,
  KEY_SHIFT_TAB,  // Tab with Shift held
};

enum class MouseButton { left, right };

namespace platform {

// A part of the client area in client pixels; right and bottom lie just
// outside it.
struct ClientRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Where a top-level window stands on the desktop, frame included.
struct WindowPlacement {
  int x = 0;
  int y = 0;
  int outerWidth = 0;
  int outerHeight = 0;
};

// What happens to the display window, decoded from the platform's messages.
// The program implements it; the platform calls it while it dispatches
// messages, and inside the calls that deliver messages at once (creating,
// moving or retitling the window, the modal loop of a message box).
class WindowEvents {
 public:
  // The window or the application gains (true) or loses activation.
  virtual void activated(bool active) = 0;
  // The part `area` of the window must be painted again.
  virtual void paint(const ClientRect& area) = 0;
  // The close box, the system menu or Alt+F4.
  virtual void closeRequested() = 0;
  virtual void keyPressed(LogicalKey key) = 0;
  // A character typed, in the system's ANSI code page: by the key pressed
  // last (`ofKeyPress`), or on its own, as Alt and the numeric keypad or an
  // input method type one.
  virtual void characterTyped(uint8_t character, bool ofKeyPress) = 0;
  // The pointer's position in client pixels; negative outside the client area.
  virtual void pointerMoved(int16_t x, int16_t y) = 0;
  virtual void buttonChanged(MouseButton button, bool down) = 0;
  // The window moved to a display of another scale, or the scale changed;
  // `suggested` is where the system proposes to put it.
  virtual void dpiChanged(int dpi, const WindowPlacement& suggested) = 0;

 protected:
  ~WindowEvents() = default;
};

}  // namespace platform
