#include "platform/full_path.h"

#include <windows.h>

#include <cstring>

namespace platform {

bool fullPath(const char* path, char* buffer, int room) {
  const auto fits = [room](DWORD length) { return length < static_cast<DWORD>(room); };
  const DWORD length = GetFullPathNameA(path, static_cast<DWORD>(room), buffer, nullptr);
  if (length == 0 || !fits(length)) return false;
  // A short name such as UPDATE~1.DAT names the same file as its long name.
  char longName[MAX_PATH];
  const DWORD longLength = GetLongPathNameA(buffer, longName, MAX_PATH);
  if (longLength == 0) return true;  // no such file yet: the name stands as given
  if (longLength >= MAX_PATH || !fits(longLength)) return false;
  std::memcpy(buffer, longName, longLength + 1);
  return true;
}

}  // namespace platform
