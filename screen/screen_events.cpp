#include "screen/qvio.h"

#include "platform/window.h"
#include "screen/display_scale.h"
#include "screen/keyboard.h"
#include "screen/mouse.h"

namespace {

// A page drawn anew invalidates whatever was pressed or typed over the old one.
void forgetInput() {
  if (MOUSE* mouse = MOUSE::instance()) mouse->ClearButtons();
  if (KEYBOARD* keyboard = KEYBOARD::instance()) keyboard->ClearKeys();
}

}  // namespace

void QVIO::activated(bool active) {
  if (window_ == nullptr) return;
  if (active) {
    Redraw();
    forgetInput();
  } else if (minimiseOnDeactivate() && frame_.opening == 0) {
    platform::minimiseWindow(window_);
  }
}

void QVIO::paint() {
  Redraw();
  forgetInput();
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
