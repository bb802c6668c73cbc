#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "png/big_endian.h"
#include "png/checksums.h"
#include "png/png.h"
#include "png/zlib_stream.h"

namespace png {

namespace {

constexpr int kMaxSide = 1 << 14;

uint8_t paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

bool unfilter(const std::vector<uint8_t>& filtered, Image& image) {
  const size_t stride = static_cast<size_t>(image.width) * 3;
  if (filtered.size() != (stride + 1) * image.height) return false;
  image.rgb.assign(stride * image.height, 0);
  for (int y = 0; y < image.height; ++y) {
    const uint8_t filter = filtered[y * (stride + 1)];
    const uint8_t* in = &filtered[y * (stride + 1) + 1];
    uint8_t* row = &image.rgb[y * stride];
    for (size_t i = 0; i < stride; ++i) {
      const int left = i >= 3 ? row[i - 3] : 0;
      const int up = y > 0 ? row[i - stride] : 0;
      const int upLeft = y > 0 && i >= 3 ? row[i - stride - 3] : 0;
      int predicted;
      switch (filter) {
        case 0:
          predicted = 0;
          break;
        case 1:
          predicted = left;
          break;
        case 2:
          predicted = up;
          break;
        case 3:
          predicted = (left + up) / 2;
          break;
        case 4:
          predicted = paeth(left, up, upLeft);
          break;
        default:
          return false;
      }
      row[i] = static_cast<uint8_t>(in[i] + predicted);
    }
  }
  return true;
}

}  // namespace

bool decode(const std::vector<uint8_t>& bytes, Image& image) {
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() < 8 || std::memcmp(bytes.data(), kSignature, 8) != 0) return false;
  std::vector<uint8_t> compressed;
  bool haveHeader = false, ended = false;
  size_t at = 8;
  while (!ended) {
    if (bytes.size() - at < 12) return false;
    const uint32_t length = bigEndian(&bytes[at]);
    if (length > bytes.size() - at - 12) return false;
    const uint8_t* type = &bytes[at + 4];
    const uint8_t* data = type + 4;
    if (crc32(type, length + 4) != bigEndian(data + length)) return false;
    if (std::memcmp(type, "IHDR", 4) == 0) {
      if (length != 13 || data[8] != 8 || data[9] != 2 || data[10] != 0 || data[11] != 0 ||
          data[12] != 0) {
        return false;
      }
      const uint32_t width = bigEndian(data), height = bigEndian(data + 4);
      if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return false;
      image.width = static_cast<int>(width);
      image.height = static_cast<int>(height);
      haveHeader = true;
    } else if (std::memcmp(type, "IDAT", 4) == 0) {
      compressed.insert(compressed.end(), data, data + length);
    } else if (std::memcmp(type, "IEND", 4) == 0) {
      ended = true;
    }
    at += length + 12;
  }
  if (!haveHeader) return false;
  const size_t expected = (static_cast<size_t>(image.width) * 3 + 1) * image.height;
  std::vector<uint8_t> filtered;
  return zlibDecompress(compressed, filtered, expected) && unfilter(filtered, image);
}

bool readFile(const std::string& path, Image& image) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
  return decode(bytes, image);
}

}  // namespace png
