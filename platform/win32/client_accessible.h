#pragma once

#include <windows.h>

// The answer to a screen reader's request for the window's client area: an
// accessibility object whose children are what the window's content
// describes. 0 when there is nothing to answer with.
LRESULT answerClientObjectRequest(HWND window, WPARAM request);
