// Pictures dumped with a 48-byte header: 32-bit width and height, 8 unused
// bytes and a pixel-format block whose green mask tells 5-6-5 from 5-5-5.
#include "render/image.h"

#include <cstdint>

#include "archive/drive_path.h"
#include "archive/file_stream.h"
#include "render/picture_file.h"
#include "render/status.h"

namespace {
constexpr int kFormatBlockSize = 32;
constexpr int kGreenMaskOffset = 20;
constexpr uint32_t kGreenMask565 = 0x07E0;
}  // namespace

int IMAGE::loadSurfaceDump(const DRIVE_PATH& directory, const char* name) {
  FILE_STREAM stream;
  if (!stream.open(directory, name, 0, ReadBinary)) return kStatusFileNotOpened;
  int32_t newWidth = 0, newHeight = 0;
  uint8_t format[kFormatBlockSize];
  if (!stream.readInt32(newWidth) || !stream.readInt32(newHeight) ||
      stream.seek(stream.tell() + 8) != 0 || !stream.readBlock(format, kFormatBlockSize))
    return kStatusReadFailed;
  if (!isPictureSize(newWidth, newHeight) ||
      !streamHolds(stream, int64_t{newWidth} * newHeight * 2))
    return kStatusReadFailed;
  const int status = reallocate(static_cast<int16_t>(newWidth), static_cast<int16_t>(newHeight));
  if (status != kStatusOk) return status;
  uint32_t greenMask = 0;
  for (int i = 3; i >= 0; --i) greenMask = (greenMask << 8) | format[kGreenMaskOffset + i];
  is565 = greenMask == kGreenMask565 ? 1 : 0;
  width = static_cast<int16_t>(newWidth);
  height = static_cast<int16_t>(newHeight);
  if (!stream.readInt16Array(pixels, newWidth * newHeight)) return kStatusReadFailed;
  convertTo555();
  return kStatusOk;
}
