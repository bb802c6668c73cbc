#pragma once

#include <cstddef>

// Paths are built with printf formats ("%s\%s", "%s%s%s") into fixed buffers.
// A path that does not fit is refused, never cut short or overflowed: the
// result is false and the buffer holds an empty string.
#if defined(__GNUC__)
__attribute__((format(printf, 3, 4)))
#endif
bool formatPath(char* buffer, size_t room, const char* format, ...);

// True when the first `length` characters of both are the same letter case
// aside, as Windows compares names.
bool sameIgnoringCase(const char* first, const char* second, size_t length);

// True when both name the same folder as Windows reads them: letter case and
// trailing backslashes aside.
bool isSameFolder(const char* first, const char* second);
