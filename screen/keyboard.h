#pragma once

#include <cstdint>

#include "platform/window_events.h"

class InputQueue;

// The keys the display window reported, read by the wizard one press a turn.
// Exactly one exists per process.
class KEYBOARD {
 public:
  explicit KEYBOARD(InputQueue& input);
  ~KEYBOARD();
  KEYBOARD(const KEYBOARD&) = delete;
  KEYBOARD& operator=(const KEYBOARD&) = delete;

  // Forgets every key press that waits.
  void ClearKeys();
  // Hands out the oldest waiting key press and its character, and removes
  // it; false (and both 0) when none waits.
  bool ReadKey(uint8_t& character, LogicalKey& key);

  static KEYBOARD* instance();

 private:
  InputQueue& input_;
};
