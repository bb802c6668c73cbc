#include "archive/file_length.h"

#include <cstdio>

#include "platform/files.h"

bool measureFile(const char* name, int32_t& size) {
  platform::OwnedFile file(platform::openFile(name, "rb"));
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const long position = std::ftell(file.get());
  if (position < 0 || position > INT32_MAX) return false;
  size = static_cast<int32_t>(position);
  return true;
}
