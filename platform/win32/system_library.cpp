#include "platform/win32/system_library.h"

#include <cstdio>

HMODULE loadSystemLibrary(const char* name, LoadLibraryCall load) {
  if (HMODULE library = load(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return library;
  char path[MAX_PATH];
  const UINT folderLength = GetSystemDirectoryA(path, MAX_PATH);
  if (folderLength == 0 || folderLength >= MAX_PATH) return nullptr;
  const int length = std::snprintf(path + folderLength, MAX_PATH - folderLength, "\\%s", name);
  if (length < 0 || folderLength + static_cast<UINT>(length) >= MAX_PATH) return nullptr;
  return load(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
