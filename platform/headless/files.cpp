#include "platform/headless/files.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/common_folder.h"
#include "platform/files.h"
#include "platform/headless/disk_events.h"
#include "platform/pause.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

using headless::FileOperation;
using headless::operationFails;

std::string logicalDrives;

// The path each open stream was opened with, for the events of its reads,
// writes and close.
std::map<std::FILE*, std::string> openStreams;
std::set<std::string> heldLocks;
bool flushesReachDisk = false;
bool realDriveRoom = true;
platform::DriveRoom givenRoom{};
std::string commonFolder;
int paused = 0;

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

// Windows keeps a read-only file from being written, replaced or removed, even
// for an administrator.
bool isReadOnly(const std::string& nativeName) {
  std::error_code error;
  const fs::file_status status = fs::status(nativeName, error);
  return !error && fs::is_regular_file(status) &&
         (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// A file the program holds open cannot be removed or renamed on Windows.
bool isOpen(const std::string& path) {
  for (const auto& [stream, openedAs] : openStreams)
    if (openedAs == path) return true;
  return false;
}

bool refusesAccess() {
  errno = EACCES;
  return false;
}

}  // namespace

namespace headless {

void setLogicalDrives(const std::string& list) {
  logicalDrives = list;
}

int openStreamCount() {
  return static_cast<int>(openStreams.size());
}

void setDriveRoom(uint64_t freeBytes, uint64_t clusterBytes) {
  realDriveRoom = false;
  givenRoom.freeBytes = freeBytes;
  givenRoom.clusterBytes = clusterBytes;
}

void useRealDriveRoom() {
  realDriveRoom = true;
}

void setFlushToDisk(bool toDisk) {
  flushesReachDisk = toDisk;
}

void setCommonDataFolder(const std::string& folder) {
  commonFolder = folder;
}

int pausedMilliseconds() {
  return paused;
}

void resetPauses() {
  paused = 0;
}

}  // namespace headless

namespace platform {

struct FileSearch {
  std::vector<FoundFile> matches;
  size_t next = 0;
};

std::FILE* openFile(const char* path, const char* mode) {
  const std::string name = nativePath(path);
  const bool changes = std::strpbrk(mode, "wa+") != nullptr;
  if (operationFails(FileOperation::open, path) || (changes && isReadOnly(name))) {
    refusesAccess();
    return nullptr;
  }
  std::FILE* file = std::fopen(name.c_str(), mode);
  if (file != nullptr) openStreams[file] = path;
  return file;
}

int64_t fileLength(std::FILE* file) {
  std::error_code error;
  const uintmax_t length = fs::file_size(nativePath(openStreams[file].c_str()), error);
  return error ? -1 : static_cast<int64_t>(length);
}

size_t readFile(std::FILE* file, void* buffer, size_t size, size_t count) {
  if (operationFails(FileOperation::read, openStreams[file])) return 0;
  return std::fread(buffer, size, count, file);
}

size_t writeFile(std::FILE* file, const void* data, size_t size, size_t count) {
  if (operationFails(FileOperation::write, openStreams[file])) return 0;
  return std::fwrite(data, size, count, file);
}

bool flushFile(std::FILE* file) {
  if (operationFails(FileOperation::flush, openStreams[file]) || std::fflush(file) != 0)
    return false;
  if (!flushesReachDisk) return true;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

bool closeFile(std::FILE* file) {
  const std::string path = openStreams[file];
  openStreams.erase(file);
  if (operationFails(FileOperation::close, path)) {
    std::fclose(file);
    errno = ENOSPC;
    return false;
  }
  return std::fclose(file) == 0;
}

bool removeFile(const char* path) {
  const std::string name = nativePath(path);
  if (operationFails(FileOperation::remove, path) || isReadOnly(name) || isOpen(path))
    return refusesAccess();
  return std::remove(name.c_str()) == 0;
}

bool replaceFile(const char* from, const char* to) {
  const std::string target = nativePath(to);
  if (operationFails(FileOperation::move, from, to) || isReadOnly(target) || isOpen(from) ||
      isOpen(to))
    return refusesAccess();
#ifdef _WIN32
  std::remove(target.c_str());  // rename() on Windows does not replace an existing file.
#endif
  return std::rename(nativePath(from).c_str(), target.c_str()) == 0;
}

bool makeWritable(const char* path) {
  if (operationFails(FileOperation::makeWritable, path)) return refusesAccess();
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

bool fileExists(const char* path) {
  std::error_code error;
  return fs::is_regular_file(nativePath(path), error);
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

bool driveRoom(const char* folder, DriveRoom& room) {
  room = givenRoom;
  std::snprintf(room.root, sizeof room.root, "%s", folder);
  if (!realDriveRoom) return true;
  std::error_code error;
  const fs::space_info space = fs::space(nativePath(folder), error);
  room.freeBytes = space.available;
  room.clusterBytes = 4096;  // what the common file systems allocate by
  return !error;
}

// Locks hold within this process only: enough for tests and a native run.
struct FileLock {
  std::string path;
};

FileLock* lockFile(const char* path) {
  if (!heldLocks.insert(path).second) return nullptr;
  return new FileLock{path};
}

void unlockFile(FileLock* lock) {
  if (lock == nullptr) return;
  heldLocks.erase(lock->path);
  delete lock;
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

bool commonDataFolder(char* buffer, int room) {
  std::error_code error;
  const std::string folder =
      commonFolder.empty() ? fs::temp_directory_path(error).string() : commonFolder;
  if (error || folder.size() + 1 > static_cast<size_t>(room)) return false;
  std::memcpy(buffer, folder.c_str(), folder.size() + 1);
  return true;
}

void pause(int milliseconds) {
  paused += milliseconds;
}

}  // namespace platform
