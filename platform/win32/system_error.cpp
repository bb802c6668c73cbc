#include <windows.h>

#include <cstdio>
#include <cstring>

#include "platform/system_error.h"

namespace platform {

void describeLastError(char* buffer, size_t room) {
  if (room == 0) return;
  const DWORD error = GetLastError();
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
      nullptr, error, 0, buffer, static_cast<DWORD>(room), nullptr);
  if (length == 0) {
    std::snprintf(buffer, room, "system error %lu", static_cast<unsigned long>(error));
    return;
  }
  // The line break is gone with the width mask; a trailing space may be left.
  for (size_t end = std::strlen(buffer); end > 0 && buffer[end - 1] == ' '; --end)
    buffer[end - 1] = '\0';
}

}  // namespace platform
