#include "install/settings.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "platform/registry.h"

namespace {

std::unique_ptr<char[]> productKeyPath(const char* product) {
  const size_t length =
      std::strlen("Software\\\\") + std::strlen(kCompanyName) + std::strlen(product);
  std::unique_ptr<char[]> path(new (std::nothrow) char[length + 1]);
  if (path) std::snprintf(path.get(), length + 1, "Software\\%s\\%s", kCompanyName, product);
  return path;
}

}  // namespace

bool readSetting(const char* product, const char* name, char* buffer, uint32_t room) {
  const std::unique_ptr<char[]> path = productKeyPath(product);
  if (!path || room == 0) return false;
  uint32_t length = room;
  const bool read = platform::readRegistryValue(path.get(), name, buffer, length);
  // A string may have been stored without its terminating zero. It is taken
  // only when the zero still fits, so the text always ends inside the field.
  if (read && std::memchr(buffer, 0, length) != nullptr) return true;
  if (read && length < room) {
    buffer[length] = '\0';
    return true;
  }
  buffer[room - 1] = '\0';  // what a refused or overlong value left behind
  return false;
}

bool writeSetting(const char* product, const char* name, const char* text) {
  const std::unique_ptr<char[]> path = productKeyPath(product);
  return path && platform::writeRegistryString(path.get(), name, text);
}
