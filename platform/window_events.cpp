#include "platform/window_events.h"

#include "platform/display_state.h"
#include "platform/input_state.h"
#include "platform/keyboard.h"
#include "platform/mouse.h"
#include "platform/qvio.h"
#include "platform/window.h"
#include "render/frame_buffer.h"

namespace {

// A page drawn anew invalidates whatever was pressed or typed over the old one.
void forgetInput() {
  if (MOUSE* mouse = MOUSE::instance()) mouse->ClearButtons();
  if (KEYBOARD* keyboard = KEYBOARD::instance()) keyboard->ClearKeys();
}

uint16_t lowWord(uint64_t value) {
  return static_cast<uint16_t>(value & 0xFFFF);
}

}  // namespace

namespace window_events {

void activation(uint64_t state) {
  QVIO* screen = QVIO::instance();
  if (screen == nullptr || display.window == nullptr) return;
  if (lowWord(state) != 0) {
    screen->Redraw();
    forgetInput();
  } else if (screen->minimiseOnDeactivate() && frame.opening == 0) {
    platform::minimiseWindow(display.window);
  }
}

void paint() {
  if (QVIO* screen = QVIO::instance()) screen->Redraw();
  forgetInput();
}

void closeRequest() {
  input.quit = 1;
}

void keyDown(uint64_t virtualKey) {
  input.keyCode = lowWord(virtualKey);
}

void character(uint64_t code) {
  input.character = static_cast<uint8_t>(code & 0xFF);
}

void mouseMove(uint64_t position) {
  if (MOUSE* mouse = MOUSE::instance()) mouse->RefreshCursor();
  input.x = static_cast<int16_t>(lowWord(position));
  input.y = static_cast<int16_t>(lowWord(position >> 16));
}

void leftButton(bool down) {
  input.leftButton = down ? 1 : 0;
}

void rightButton(bool down) {
  input.rightButton = down ? 1 : 0;
}

}  // namespace window_events
