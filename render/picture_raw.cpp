// The renderer's own picture file: a byte-order mark, the size, the 5-6-5 flag
// and the pixel words.
#include "render/image.h"

#include "archive/drive_path.h"
#include "archive/file_stream.h"
#include "render/picture_file.h"
#include "render/status.h"

int IMAGE::saveRaw(const DRIVE_PATH& directory, const char* name) const {
  if (pixels == nullptr) return kStatusPictureEmpty;
  FILE_STREAM stream;
  if (!stream.openWithOrderMark(directory, name, WriteBinary)) return kStatusFileNotOpened;
  const bool written = stream.writeInt16(width) && stream.writeInt16(height) &&
                       stream.writeByte(is565) &&
                       stream.writeInt16Array(pixels, int32_t{width} * height);
  // Most of the file leaves the stream's buffer only when it is closed.
  const bool closed = stream.close();
  return written && closed ? kStatusOk : kStatusWriteFailed;
}

int IMAGE::loadRaw(const DRIVE_PATH& directory, const char* name) {
  FILE_STREAM stream;
  if (!stream.openWithOrderMark(directory, name, ReadBinary)) return kStatusFileNotOpened;
  int16_t newWidth = 0, newHeight = 0;
  uint8_t flag = 0;
  if (!stream.readInt16(newWidth) || !stream.readInt16(newHeight) || !stream.readByte(flag))
    return kStatusReadFailed;
  if (!isPictureSize(newWidth, newHeight) ||
      !streamHolds(stream, int64_t{newWidth} * newHeight * 2))
    return kStatusReadFailed;
  const int status = reallocate(newWidth, newHeight);
  if (status != kStatusOk) return status;
  width = newWidth;
  height = newHeight;
  is565 = flag;
  if (!stream.readInt16Array(pixels, int32_t{width} * height)) return kStatusReadFailed;
  convertTo555();
  return kStatusOk;
}
