#include <windows.h>

#include <cstdio>

#include "platform/files.h"

namespace platform {

std::FILE* openFile(const char* path, const char* mode) {
  return std::fopen(path, mode);
}

bool removeFile(const char* path) {
  return DeleteFileA(path) != 0;
}

bool replaceFile(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool currentDirectory(char* buffer, int room) {
  const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(room), buffer);
  return length > 0 && length < static_cast<DWORD>(room);
}

}  // namespace platform
