// 24-bit PCX pictures: every row is stored as a red, a green and a blue plane
// line of 8-bit channels, run-length coded.
#include "render/image.h"

#include <cstring>
#include <memory>
#include <new>

#include "archive/drive_path.h"
#include "archive/file_stream.h"
#include "render/pcx_header.h"
#include "render/picture_file.h"
#include "render/status.h"

namespace {

constexpr int kPlanes = 3;
// Where each plane's channel goes in a 5-5-5 word, red first.
constexpr int kChannelShift555[kPlanes] = {10, 5, 0};

// The least number of coded bytes that can carry `decoded` bytes: a run of at
// most 63 takes two.
int64_t leastCodedSize(int64_t decoded) {
  return (decoded * 2 + 62) / 63;
}

// Reads the planes of every row into `out`, as 5-5-5 words. Bytes that a line
// holds past the picture's width are read and dropped.
bool decodePlanes(FILE_STREAM& stream, int width, int height, int bytesPerLine, uint16_t* out) {
  for (int row = 0; row < height; ++row, out += width) {
    for (int plane = 0; plane < kPlanes; ++plane) {
      uint8_t channel = 0;
      for (int x = 0; x < width; ++x) {
        if (!stream.readRunByte(channel)) return false;
        const uint16_t bits = static_cast<uint16_t>((channel >> 3) << kChannelShift555[plane]);
        out[x] = plane == 0 ? bits : static_cast<uint16_t>(out[x] | bits);
      }
      // Missing padding at the very end of the file costs no pixel.
      for (int x = width; x < bytesPerLine; ++x) stream.readRunByte(channel);
    }
  }
  return true;
}

// The 8-bit red, green and blue of a pixel word.
void channelsOf(uint16_t word, bool is565, uint8_t channels[kPlanes]) {
  if (is565) {
    channels[0] = static_cast<uint8_t>(((word >> 11) & 0x1F) << 3);
    channels[1] = static_cast<uint8_t>(((word >> 5) & 0x3F) << 2);
  } else {
    channels[0] = static_cast<uint8_t>(((word >> 10) & 0x1F) << 3);
    channels[1] = static_cast<uint8_t>(((word >> 5) & 0x1F) << 3);
  }
  channels[2] = static_cast<uint8_t>((word & 0x1F) << 3);
}

}  // namespace

int IMAGE::loadPcx(const DRIVE_PATH& directory, const char* name) {
  FILE_STREAM stream;
  if (!stream.open(directory, name, 0, ReadBinary)) return kStatusFileNotOpened;
  PcxHeader header;
  if (!readPcxHeader(stream, header)) return kStatusReadFailed;
  const int32_t newWidth = int32_t{header.xMax} - header.xMin + 1;
  const int32_t newHeight = int32_t{header.yMax} - header.yMin + 1;
  if (!isTrueColourPcx(header) || !isPictureSize(newWidth, newHeight) ||
      header.bytesPerLine < newWidth)
    return kStatusPictureUnsupported;
  if (!streamHolds(stream, leastCodedSize(int64_t{kPlanes} * header.bytesPerLine * newHeight)))
    return kStatusReadFailed;

  // Decoded aside, so that a file that ends early leaves the picture as it was.
  const size_t count = static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight);
  std::unique_ptr<uint16_t[]> decoded(new (std::nothrow) uint16_t[count]);
  if (decoded == nullptr) return kStatusPictureNotAllocated;
  if (!decodePlanes(stream, newWidth, newHeight, header.bytesPerLine, decoded.get()))
    return kStatusReadFailed;
  const int status = reallocate(static_cast<int16_t>(newWidth), static_cast<int16_t>(newHeight));
  if (status != kStatusOk) return status;
  std::memcpy(pixels, decoded.get(), count * 2);
  width = static_cast<int16_t>(newWidth);
  height = static_cast<int16_t>(newHeight);
  is565 = 0;
  return kStatusOk;
}

int IMAGE::savePcx(const DRIVE_PATH& directory, const char* name) const {
  if (pixels == nullptr) return kStatusPictureEmpty;
  FILE_STREAM stream;
  if (!stream.open(directory, name, 0, WriteBinary)) return kStatusFileNotOpened;
  PcxHeader header;
  header.xMax = static_cast<int16_t>(width - 1);
  header.yMax = static_cast<int16_t>(height - 1);
  header.bytesPerLine = width;  // odd widths too: no padding byte is written
  if (!writePcxHeader(stream, header)) return kStatusWriteFailed;

  // A full disk shows in the pixel data as well, mostly only when the file
  // is closed.
  bool written = true;
  uint8_t channels[kPlanes];
  for (int row = 0; row < height; ++row) {
    const uint16_t* line = pixels + static_cast<size_t>(row) * width;
    for (int plane = 0; plane < kPlanes; ++plane) {
      for (int x = 0; x < width; ++x) {
        channelsOf(line[x], is565 != 0, channels);
        written = stream.writeRunByte(channels[plane]) && written;
      }
      written = stream.flushRun() && written;  // no run crosses a plane line
    }
  }
  written = stream.close() && written;
  return written ? kStatusOk : kStatusWriteFailed;
}
