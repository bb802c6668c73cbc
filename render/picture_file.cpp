#include "render/picture_file.h"

#include "archive/file_stream.h"

bool isPictureSize(int32_t width, int32_t height) {
  return width > 0 && height > 0 && width <= INT16_MAX && height <= INT16_MAX;
}

bool streamHolds(FILE_STREAM& stream, int64_t count) {
  if (count <= 0) return true;
  const int32_t position = stream.tell();
  if (position < 0 || position + count - 1 > INT32_MAX) return false;
  // The last byte needed must be readable; a seek past the end alone succeeds.
  uint8_t last = 0;
  const bool holds =
      stream.seek(static_cast<int32_t>(position + count - 1)) == 0 && stream.readByte(last);
  return stream.seek(position) == 0 && holds;
}
