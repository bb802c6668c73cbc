#include "archive/path_format.h"

#include <cstdarg>
#include <cstdio>

bool formatPath(char* buffer, size_t room, const char* format, ...) {
  if (room == 0) return false;
  std::va_list arguments;
  va_start(arguments, format);
  const int length = std::vsnprintf(buffer, room, format, arguments);
  va_end(arguments);
  if (length >= 0 && static_cast<size_t>(length) < room) return true;
  buffer[0] = '\0';
  return false;
}
