#include "screen/keyboard.h"

#include "platform/message_box.h"
#include "screen/input_queue.h"

namespace {
KEYBOARD* registeredKeyboard = nullptr;
}

KEYBOARD::KEYBOARD(InputQueue& input) : input_(input) {
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
  input_.forgetKeys();
}

bool KEYBOARD::ReadKey(uint8_t& character, LogicalKey& key) {
  KeyPress press;
  const bool read = input_.takeKey(press);
  character = press.character;
  key = press.key;
  return read;
}
