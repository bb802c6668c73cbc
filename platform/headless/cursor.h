#pragma once

#include <string>

#include "platform/cursor.h"

// The cursor of the simulated desktop.
namespace headless {

// Makes a named cursor resource of the program missing, or present again.
void setMissingCursorResource(const std::string& name, bool missing);

// The name of a cursor: a resource name, "IDC_ARROW", "IDC_WAIT", or
// "desktop" for the one shown before the program chose any.
std::string cursorName(platform::CursorHandle cursor);
std::string shownCursorName();
// The system's display count (0 = shown) and the number of SetCursor and
// ShowCursor calls so far.
int cursorDisplayCount();
int cursorCalls();
int cursorsDestroyed();

void resetCursors();

}  // namespace headless
