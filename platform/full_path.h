#pragma once

namespace platform {

// The path written out in full, as the system resolves it when opening it:
// from the current folder, with "." and ".." taken away (and on Windows a
// short name of an existing file written long). False when it does not fit
// into `room` characters with its terminating zero.
bool fullPath(const char* path, char* buffer, int room);

}  // namespace platform
