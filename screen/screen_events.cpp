#include "screen/qvio.h"

#include "platform/window.h"
#include "render/frame_buffer.h"
#include "screen/display_scale.h"
#include "screen/keyboard.h"
#include "screen/mouse.h"

void QVIO::forgetInput() {
  if (MOUSE* mouse = MOUSE::instance()) mouse->ClearButtons();
  if (KEYBOARD* keyboard = KEYBOARD::instance()) keyboard->ClearKeys();
}

// What was pressed or typed while another window had the keyboard counts no
// more; a button held down then is let go without a click.
void QVIO::activated(bool active) {
  if (window_ == nullptr) return;
  if (active) {
    forgetInput();
    releaseHeldButtons();
    Redraw();
  } else if (minimiseOnDeactivate() && frame_.opening == 0) {
    platform::minimiseWindow(window_);
  }
}

// Shown at once: behind a message box, or while the window is dragged, no
// turn of the main loop presents it. Input waits on: a repaint changes
// nothing the user pressed or typed.
void QVIO::paint(const platform::ClientRect& area) {
  Redraw();
  if (!isFrameReady(frame_)) return;
  int16_t left = frameCoordinate(static_cast<int16_t>(area.left), scale_);
  int16_t top = frameCoordinate(static_cast<int16_t>(area.top), scale_);
  int16_t right = frameCoordinate(static_cast<int16_t>(area.right - 1), scale_);
  int16_t bottom = frameCoordinate(static_cast<int16_t>(area.bottom - 1), scale_);
  clampRect(frame_, left, top, right, bottom);
  Present();
}

void QVIO::closeRequested() {
  input_.requestQuit();
}

void QVIO::keyPressed(LogicalKey key) {
  input_.keyPressed(key);
}

void QVIO::characterTyped(uint8_t character, bool ofKeyPress) {
  input_.characterTyped(character, ofKeyPress);
}

void QVIO::pointerMoved(int16_t x, int16_t y) {
  if (MOUSE* mouse = MOUSE::instance()) mouse->RefreshCursor();
  input_.pointerMoved(frameCoordinate(x, scale_), frameCoordinate(y, scale_));
}

void QVIO::buttonChanged(MouseButton button, bool down) {
  input_.buttonChanged(button, down);
}
