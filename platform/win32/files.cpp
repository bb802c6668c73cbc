#include <windows.h>

#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "platform/files.h"

namespace {

void copyFound(const WIN32_FIND_DATAA& data, platform::FoundFile& found) {
  static_assert(sizeof found.name == sizeof data.cFileName);
  std::memcpy(found.name, data.cFileName, sizeof found.name);
  found.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  found.isHiddenOrSystem =
      (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

}  // namespace

namespace platform {

struct FileSearch {
  HANDLE handle;
};

std::FILE* openFile(const char* path, const char* mode) {
  return std::fopen(path, mode);
}

int64_t fileLength(std::FILE* file) {
  return _filelengthi64(_fileno(file));
}

size_t readFile(std::FILE* file, void* buffer, size_t size, size_t count) {
  return std::fread(buffer, size, count, file);
}

size_t writeFile(std::FILE* file, const void* data, size_t size, size_t count) {
  return std::fwrite(data, size, count, file);
}

bool flushFile(std::FILE* file) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return std::fflush(file) == 0 && FlushFileBuffers(handle) != 0;
}

bool closeFile(std::FILE* file) {
  return std::fclose(file) == 0;
}

bool removeFile(const char* path) {
  return DeleteFileA(path) != 0;
}

bool replaceFile(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool makeWritable(const char* path) {
  return _chmod(path, _S_IWRITE) == 0;
}

bool currentDirectory(char* buffer, int room) {
  const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(room), buffer);
  return length > 0 && length < static_cast<DWORD>(room);
}

bool folderExists(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool fileExists(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool createFolder(const char* path) {
  return CreateDirectoryA(path, nullptr) != 0;
}

int logicalDriveStrings(char* buffer, int room) {
  return static_cast<int>(GetLogicalDriveStringsA(static_cast<DWORD>(room), buffer));
}

bool driveRoom(const char* folder, DriveRoom& room) {
  ULARGE_INTEGER available;
  DWORD sectorsPerCluster = 0;
  DWORD bytesPerSector = 0;
  DWORD freeClusters = 0;
  DWORD clusters = 0;
  if (!GetVolumePathNameA(folder, room.root, sizeof room.root) ||
      !GetDiskFreeSpaceExA(folder, &available, nullptr, nullptr) ||
      !GetDiskFreeSpaceA(room.root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
    return false;
  room.freeBytes = available.QuadPart;
  room.clusterBytes = static_cast<uint64_t>(sectorsPerCluster) * bytesPerSector;
  return true;
}

struct FileLock {
  HANDLE handle;
};

FileLock* lockFile(const char* path) {
  const HANDLE handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  auto* lock = new (std::nothrow) FileLock{handle};
  if (lock == nullptr) CloseHandle(handle);
  return lock;
}

void unlockFile(FileLock* lock) {
  if (lock == nullptr) return;
  CloseHandle(lock->handle);
  delete lock;
}

FileSearch* findFirstFile(const char* pattern, FoundFile& found) {
  WIN32_FIND_DATAA data;
  const HANDLE handle = FindFirstFileA(pattern, &data);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  auto* search = new (std::nothrow) FileSearch{handle};
  if (search == nullptr) {
    FindClose(handle);
    return nullptr;
  }
  copyFound(data, found);
  return search;
}

bool findNextFile(FileSearch* search, FoundFile& found) {
  WIN32_FIND_DATAA data;
  if (search == nullptr || FindNextFileA(search->handle, &data) == 0) return false;
  copyFound(data, found);
  return true;
}

void findClose(FileSearch* search) {
  if (search == nullptr) return;
  FindClose(search->handle);
  delete search;
}

}  // namespace platform
