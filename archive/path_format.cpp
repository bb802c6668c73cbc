#include "archive/path_format.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

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

bool sameIgnoringCase(const char* first, const char* second, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(first[i])) !=
        std::tolower(static_cast<unsigned char>(second[i])))
      return false;
  }
  return true;
}

bool isSameFolder(const char* first, const char* second) {
  const auto withoutTrailingBackslashes = [](const char* folder) {
    size_t length = std::strlen(folder);
    while (length > 0 && folder[length - 1] == '\\') --length;
    return length;
  };
  const size_t length = withoutTrailingBackslashes(first);
  return withoutTrailingBackslashes(second) == length && sameIgnoringCase(first, second, length);
}
