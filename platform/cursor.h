#pragma once

// The system's cursor, as MOUSE drives it.
namespace platform {

using CursorHandle = void*;
enum class SystemCursor { arrow, wait };

// A named cursor resource of the program; null when it is missing.
CursorHandle loadCursorResource(const char* name);
CursorHandle loadSystemCursor(SystemCursor cursor);
CursorHandle currentCursor();
void setCursor(CursorHandle cursor);
// Raises or lowers the system's cursor display count by one.
void showCursor(bool show);
void destroyCursor(CursorHandle cursor);

}  // namespace platform
