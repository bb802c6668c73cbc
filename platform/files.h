#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

// File operations that differ between the platforms. Paths are written the
// way the installer builds them, joined with backslashes; on POSIX systems
// the backslash is read as the directory separator.
namespace platform {

// Opens a stream as the C library does. Writing, appending or updating a
// read-only file fails, as it does on Windows.
std::FILE* openFile(const char* path, const char* mode);

// Reads and writes whole items, as the C library does: the number of items
// moved, fewer on failure.
size_t readFile(std::FILE* file, void* buffer, size_t size, size_t count);
// The open file's length in bytes, in 64 bits whatever the C library's
// positions hold; -1 when it cannot be told.
int64_t fileLength(std::FILE* file);
size_t writeFile(std::FILE* file, const void* data, size_t size, size_t count);

// Writes what the stream holds through the system's cache to the disk, so
// that it is there after a power cut; false when that failed.
bool flushFile(std::FILE* file);

// Writes what the stream still holds and closes it; false when that write
// failed. The stream is gone either way.
bool closeFile(std::FILE* file);

// A stream closed when it goes out of scope, for the paths that give up on it.
struct FileCloser {
  void operator()(std::FILE* file) const { closeFile(file); }
};
using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

// Removes a file; false when there was none or it could not be removed (a
// read-only file cannot).
bool removeFile(const char* path);

// Puts `from` in place of `to`, replacing an existing `to` in one step, and
// returns once the change is on the disk; a read-only `to` is not replaced.
// Both lie on one drive. False, among other reasons, while another program
// holds either file open without sharing it.
bool replaceFile(const char* from, const char* to);

// Clears a file's read-only attribute by asking for write access.
bool makeWritable(const char* path);

// The process's current folder, as the platform writes it; false when it does
// not fit into `room` characters with its terminating zero.
bool currentDirectory(char* buffer, int room);

bool folderExists(const char* path);
bool fileExists(const char* path);
// Creates one folder whose parent exists.
bool createFolder(const char* path);

// The drive roots as consecutive zero-terminated strings ("C:\", "D:\")
// followed by one more zero. Returns the length without that last zero; 0 on
// failure, and more than `room` when the list does not fit.
int logicalDriveStrings(char* buffer, int room);

// The room left on the drive that holds `folder`: what this user may still
// write there, and the unit every file's size is rounded up to on it. `root`
// names the drive ("C:\").
struct DriveRoom {
  uint64_t freeBytes;
  uint64_t clusterBytes;
  char root[260];
};
bool driveRoom(const char* folder, DriveRoom& room);

// A file held open so that no other program can open it; it is gone once
// released, or when the program holding it ends. Null when another program
// holds it already or it cannot be made.
struct FileLock;
FileLock* lockFile(const char* path);
void unlockFile(FileLock* lock);

// A search for the entries of one folder whose names match the pattern's last
// component, where '*' stands for any run of characters and '?' for one.
struct FileSearch;
struct FoundFile {
  char name[260];
  bool isFolder;
  bool isHiddenOrSystem;
};
// Starts a search with the first match; null when nothing matches or the
// folder cannot be listed.
FileSearch* findFirstFile(const char* pattern, FoundFile& found);
// The next match; false when there is none.
bool findNextFile(FileSearch* search, FoundFile& found);
void findClose(FileSearch* search);

}  // namespace platform
