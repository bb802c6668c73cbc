#include "platform/full_path.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

namespace platform {

bool fullPath(const char* path, char* buffer, int room) {
  std::string name(path);
#ifndef _WIN32
  std::replace(name.begin(), name.end(), '\\', '/');  // as the headless files read it
#endif
  std::error_code error;
  const std::string full = std::filesystem::absolute(name, error).lexically_normal().string();
  if (error || full.size() + 1 > static_cast<size_t>(room)) return false;
  std::memcpy(buffer, full.c_str(), full.size() + 1);
  return true;
}

}  // namespace platform
