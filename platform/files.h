#pragma once

#include <cstdio>

// File operations that differ between the platforms. Paths are written the
// way the installer builds them, joined with backslashes; on POSIX systems
// the backslash is read as the directory separator.
namespace platform {

std::FILE* openFile(const char* path, const char* mode);

// Removes a file; false when there was none or it could not be removed.
bool removeFile(const char* path);

// Puts `from` in place of `to`, replacing an existing `to` in one step.
bool replaceFile(const char* from, const char* to);

// The process's current folder, as the platform writes it; false when it does
// not fit into `room` characters with its terminating zero.
bool currentDirectory(char* buffer, int room);

}  // namespace platform
