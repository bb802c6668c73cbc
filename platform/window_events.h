#pragma once

#include <cstdint>

// What the display window does with the messages it handles. The backends
// decode nothing themselves: they pass the message's raw parameters here.
namespace window_events {

// The window or the application gains (low word of `state` not 0) or loses
// activation.
void activation(uint64_t state);
// Called between the platform's begin and end of painting.
void paint();
void closeRequest();
void keyDown(uint64_t virtualKey);
void character(uint64_t code);
// The pointer's client position packed as the low and the high word.
void mouseMove(uint64_t position);
void leftButton(bool down);
void rightButton(bool down);

}  // namespace window_events
