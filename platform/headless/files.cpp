#include "platform/headless/files.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

std::string logicalDrives;

std::string nativePath(const char* path) {
  std::string result(path);
#ifndef _WIN32
  for (char& c : result)
    if (c == '\\') c = '/';
#endif
  return result;
}

// Names compare without regard to the case of ASCII letters, as Windows does.
bool matchesPattern(const char* name, const char* pattern) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*')
    return matchesPattern(name, pattern + 1) ||
           (*name != '\0' && matchesPattern(name + 1, pattern));
  if (*name == '\0') return false;
  const bool same = *pattern == '?' || std::tolower(static_cast<unsigned char>(*name)) ==
                                           std::tolower(static_cast<unsigned char>(*pattern));
  return same && matchesPattern(name + 1, pattern + 1);
}

}  // namespace

namespace headless {

void setLogicalDrives(const std::string& list) {
  logicalDrives = list;
}

}  // namespace headless

namespace platform {

struct FileSearch {
  std::vector<FoundFile> matches;
  size_t next = 0;
};

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

bool moveFile(const char* from, const char* to) {
  std::error_code error;
  if (fs::exists(nativePath(to), error)) return false;
  return std::rename(nativePath(from).c_str(), nativePath(to).c_str()) == 0;
}

bool makeWritable(const char* path) {
  std::error_code error;
  fs::permissions(nativePath(path), fs::perms::owner_write, fs::perm_options::add, error);
  return !error;
}

bool currentDirectory(char* buffer, int room) {
  std::error_code error;
  const std::string folder = fs::current_path(error).string();
  if (error || folder.size() + 1 > static_cast<size_t>(room)) return false;
  std::memcpy(buffer, folder.c_str(), folder.size() + 1);
  return true;
}

bool folderExists(const char* path) {
  std::error_code error;
  return fs::is_directory(nativePath(path), error);
}

bool createFolder(const char* path) {
  std::error_code error;
  return fs::create_directory(nativePath(path), error);
}

int logicalDriveStrings(char* buffer, int room) {
  const int length = static_cast<int>(logicalDrives.size());
  if (length + 1 > room) return length + 1;
  std::memcpy(buffer, logicalDrives.c_str(), logicalDrives.size() + 1);
  return length;
}

FileSearch* findFirstFile(const char* pattern, FoundFile& found) {
  const std::string path = nativePath(pattern);
  const size_t slash = path.find_last_of("/\\");
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  std::string namePattern = slash == std::string::npos ? path : path.substr(slash + 1);
  if (namePattern == "*.*") namePattern = "*";  // also names without a dot

  auto* search = new FileSearch;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    FoundFile file{};
    if (name.size() >= sizeof file.name || !matchesPattern(name.c_str(), namePattern.c_str()))
      continue;
    std::memcpy(file.name, name.c_str(), name.size() + 1);
    file.isFolder = entry.is_directory(error);
    file.isHiddenOrSystem = name[0] == '.';
    search->matches.push_back(file);
  }
  if (!findNextFile(search, found)) {
    findClose(search);
    return nullptr;
  }
  return search;
}

bool findNextFile(FileSearch* search, FoundFile& found) {
  if (search == nullptr || search->next >= search->matches.size()) return false;
  found = search->matches[search->next++];
  return true;
}

void findClose(FileSearch* search) {
  delete search;
}

}  // namespace platform
