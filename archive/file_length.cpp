#include "archive/file_length.h"

#include <cstdio>

#include "platform/files.h"

bool measureFile(const char* name, int32_t& size) {
  platform::OwnedFile file(platform::openFile(name, "rb"));
  if (!file) return false;
  const int64_t length = platform::fileLength(file.get());
  if (length < 0 || length > INT32_MAX) return false;
  size = static_cast<int32_t>(length);
  return true;
}
