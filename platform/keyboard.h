#pragma once

#include <cstdint>

// Logical keys of the installer.
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
};

// The last key and character that the window procedure recorded. There is no
// queue: a newer key replaces an older one and reading clears both. Exactly
// one exists per process.
class KEYBOARD {
 public:
  KEYBOARD();
  ~KEYBOARD();
  KEYBOARD(const KEYBOARD&) = delete;
  KEYBOARD& operator=(const KEYBOARD&) = delete;

  void ClearKeys();
  bool ReadKey(uint8_t& character, uint16_t& keyCode);
  static int MapKey(uint32_t keyCode);

  static KEYBOARD* instance();
};
