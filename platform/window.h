#pragma once

// The display window's side of the operating system.
namespace platform {

// Hands every message waiting in the queue to the window procedure, without
// waiting for new ones.
void dispatchWaitingMessages();

}  // namespace platform
