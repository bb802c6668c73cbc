#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/files.h"

namespace {

std::string nativePath(const char* path) {
  std::string result(path);
#ifndef _WIN32
  for (char& c : result)
    if (c == '\\') c = '/';
#endif
  return result;
}

}  // namespace

namespace platform {

std::FILE* openFile(const char* path, const char* mode) {
  return std::fopen(nativePath(path).c_str(), mode);
}

bool removeFile(const char* path) {
  return std::remove(nativePath(path).c_str()) == 0;
}

bool replaceFile(const char* from, const char* to) {
#ifdef _WIN32
  std::remove(to);  // rename() on Windows does not replace an existing file.
#endif
  return std::rename(nativePath(from).c_str(), nativePath(to).c_str()) == 0;
}

bool currentDirectory(char* buffer, int room) {
  std::error_code error;
  const std::string folder = std::filesystem::current_path(error).string();
  if (error || folder.size() + 1 > static_cast<size_t>(room)) return false;
  std::memcpy(buffer, folder.c_str(), folder.size() + 1);
  return true;
}

}  // namespace platform
