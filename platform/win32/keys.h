#pragma once

#include <windows.h>

#include "platform/window_events.h"

// The installer's key for a virtual-key code; only its low 16 bits count.
// Shift changes Tab only.
LogicalKey logicalKeyOf(WPARAM virtualKey, bool shiftHeld);
