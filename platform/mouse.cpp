#include "platform/mouse.h"

#include "platform/input_state.h"
#include "platform/message_box.h"

namespace {
MOUSE* registeredMouse = nullptr;
}

MOUSE::MOUSE() {
  if (registeredMouse != nullptr) {
    showMessage("Error", "Second MOUSE class declared.");
    platform::endProcess(-1);
  }
  registeredMouse = this;
  SetShape(1);
}

MOUSE::~MOUSE() {
  if (registeredMouse == this) registeredMouse = nullptr;
}

MOUSE* MOUSE::instance() {
  return registeredMouse;
}

void MOUSE::SetShape(int shape) {
  shape_ = shape;
}

void MOUSE::RefreshCursor() {}

void MOUSE::GetPosition(int16_t& x, int16_t& y) const {
  x = input.x;
  y = input.y;
}

void MOUSE::GetLeftButton(uint8_t& left) const {
  left = input.leftButton;
}

void MOUSE::GetButtons(uint8_t& left, uint8_t& right) const {
  left = input.leftButton;
  right = input.rightButton;
}

void MOUSE::ClearButtons() {
  input.leftButton = 0;
  input.rightButton = 0;
}
