#pragma once

#include <cstdint>

// What the window procedure records for the wizard to poll. One copy per
// process; it exists whether or not MOUSE and KEYBOARD do.
struct InputState {
  int16_t x = 0;
  int16_t y = 0;
  uint8_t leftButton = 0;
  uint8_t rightButton = 0;
  uint16_t keyCode = 0;
  uint8_t character = 0;
  uint8_t quit = 0;  // set by a close request, never cleared
};

extern InputState input;
