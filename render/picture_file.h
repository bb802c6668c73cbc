#pragma once

#include <cstdint>

class FILE_STREAM;

// Checks shared by the picture loaders, made before any pixel is allocated.

// A picture size that the 16-bit fields hold and that has pixels.
bool isPictureSize(int32_t width, int32_t height);

// True when the stream still holds at least `count` bytes after its position,
// which it keeps. A file that claims more pixels than it carries is refused
// without allocating room for them.
bool streamHolds(FILE_STREAM& stream, int64_t count);
