#include "screen/input_queue.h"

void InputQueue::keyPressed(LogicalKey key) {
  keys_.push_back(KeyPress{key, 0});
}

void InputQueue::characterTyped(uint8_t character, bool ofKeyPress) {
  if (!ofKeyPress) {
    keys_.push_back(KeyPress{KEY_NONE, character});
    return;
  }
  // The press that typed it is the newest, unless it was forgotten since.
  if (!keys_.empty()) keys_.back().character = character;
}

void InputQueue::pointerMoved(int16_t x, int16_t y) {
  pointer_.push_back(PointerEvent{x, y, false, MouseButton::left, false});
}

void InputQueue::buttonChanged(MouseButton button, bool down) {
  // The change happened where the pointer was last seen.
  const int16_t x = pointer_.empty() ? x_ : pointer_.back().x;
  const int16_t y = pointer_.empty() ? y_ : pointer_.back().y;
  pointer_.push_back(PointerEvent{x, y, true, button, down});
}

void InputQueue::apply(const PointerEvent& event) {
  x_ = event.x;
  y_ = event.y;
  if (!event.isButton) return;
  (event.button == MouseButton::left ? left_ : right_) = event.down;
}

void InputQueue::nextTurn() {
  while (!pointer_.empty()) {
    const PointerEvent event = pointer_.front();
    pointer_.pop_front();
    apply(event);
    if (event.isButton) return;
  }
}

bool InputQueue::takeKey(KeyPress& press) {
  if (keys_.empty()) return false;
  press = keys_.front();
  keys_.pop_front();
  return true;
}

bool InputQueue::hasPending() const {
  return !keys_.empty() || !pointer_.empty();
}

void InputQueue::forgetKeys() {
  keys_.clear();
}

void InputQueue::forgetButtons() {
  if (!pointer_.empty()) {
    x_ = pointer_.back().x;
    y_ = pointer_.back().y;
    pointer_.clear();
  }
  left_ = false;
  right_ = false;
}
