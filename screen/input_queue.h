#pragma once

#include <cstdint>
#include <deque>

#include "platform/window_events.h"

// One key press as the wizard reads it: the key and the character it typed
// (0 for none).
struct KeyPress {
  LogicalKey key = KEY_NONE;
  uint8_t character = 0;
};

// The input the display window reported, kept for the wizard to read once a
// turn. Nothing is lost to a busy moment: key presses wait in arrival order
// and are read one a turn, and button changes wait with the pointer position
// they happened at and become the current state one a turn, so that a press
// and a release that arrive between two turns still make a click.
class InputQueue {
 public:
  void keyPressed(LogicalKey key);
  // Joins the key press that typed it, or waits as a press of its own.
  void characterTyped(uint8_t character, bool ofKeyPress);
  void pointerMoved(int16_t x, int16_t y);
  void buttonChanged(MouseButton button, bool down);
  void requestQuit() { quit_ = true; }

  // Makes the pointer events up to and including the next button change the
  // current state; all of them when no button change waits.
  void nextTurn();
  // The oldest key press waiting, removed from the queue; false when none.
  bool takeKey(KeyPress& press);
  // Key presses or button changes still wait for a turn.
  bool hasPending() const;

  // What was recorded so far counts no more: waiting keys, and pressed or
  // waiting buttons. The pointer keeps its latest position.
  void forgetKeys();
  void forgetButtons();

  int16_t x() const { return x_; }
  int16_t y() const { return y_; }
  bool leftButton() const { return left_; }
  bool rightButton() const { return right_; }
  // A close request is never taken back.
  bool quitRequested() const { return quit_; }

 private:
  struct PointerEvent {
    int16_t x;
    int16_t y;
    bool isButton;
    MouseButton button;
    bool down;
  };

  void apply(const PointerEvent& event);

  std::deque<KeyPress> keys_;
  std::deque<PointerEvent> pointer_;
  int16_t x_ = 0;
  int16_t y_ = 0;
  bool left_ = false;
  bool right_ = false;
  bool quit_ = false;
};
