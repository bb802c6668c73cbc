#pragma once

#include <windows.h>

#include "platform/accessibility.h"

// The content `window` serves to screen readers, or null.
platform::AccessibleContent* accessibleContentOf(HWND window);
