#include "platform/keyboard.h"

#include "platform/input_state.h"
#include "platform/message_box.h"

namespace {
KEYBOARD* registeredKeyboard = nullptr;
}

KEYBOARD::KEYBOARD() {
  if (registeredKeyboard != nullptr) {
    showMessage("Error", "Second KEYBOARD class declared.");
    platform::endProcess(-1);
  }
  registeredKeyboard = this;
}

KEYBOARD::~KEYBOARD() {
  if (registeredKeyboard == this) registeredKeyboard = nullptr;
}

KEYBOARD* KEYBOARD::instance() {
  return registeredKeyboard;
}

void KEYBOARD::ClearKeys() {
  input.keyCode = 0;
  input.character = 0;
}

bool KEYBOARD::ReadKey(uint8_t& character, uint16_t& keyCode) {
  character = input.character;
  keyCode = input.keyCode;
  ClearKeys();
  return character != 0 || keyCode != 0;
}

int KEYBOARD::MapKey(uint32_t keyCode) {
  const uint16_t code = static_cast<uint16_t>(keyCode);
  if (code >= 112 && code <= 120) return KEY_F1 + (code - 112);
  switch (code) {
    case 37:
      return KEY_LEFT;
    case 39:
      return KEY_RIGHT;
    case 8:
      return KEY_BACKSPACE;
    case 46:
      return KEY_DELETE;
    case 27:
      return KEY_ESCAPE;
    case 13:
      return KEY_RETURN;
    case 9:
      return KEY_TAB;
    case 45:
      return KEY_INSERT;
    case 107:
      return KEY_PLUS;
    case 109:
      return KEY_MINUS;
    default:
      return KEY_NONE;
  }
}
