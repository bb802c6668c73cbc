#include <fstream>

#include "png/big_endian.h"
#include "png/checksums.h"
#include "png/png.h"
#include "png/zlib_stream.h"

namespace png {

namespace {

void appendChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  appendBigEndian(out, static_cast<uint32_t>(data.size()));
  const size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  appendBigEndian(out, crc32(&out[typeAt], out.size() - typeAt));
}

constexpr uint8_t kFilterUp = 2;

// Each row as its difference to the row above: flat areas become zeros.
std::vector<uint8_t> filterRows(const Image& image) {
  const size_t stride = static_cast<size_t>(image.width) * 3;
  std::vector<uint8_t> filtered;
  filtered.reserve((stride + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    filtered.push_back(kFilterUp);
    const uint8_t* row = &image.rgb[y * stride];
    for (size_t i = 0; i < stride; ++i) {
      const uint8_t above = y > 0 ? row[i - stride] : 0;
      filtered.push_back(static_cast<uint8_t>(row[i] - above));
    }
  }
  return filtered;
}

}  // namespace

std::vector<uint8_t> encode(const Image& image) {
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  appendBigEndian(header, static_cast<uint32_t>(image.width));
  appendBigEndian(header, static_cast<uint32_t>(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlacing
  appendChunk(out, "IHDR", header);
  appendChunk(out, "IDAT", zlibCompress(filterRows(image)));
  appendChunk(out, "IEND", {});
  return out;
}

bool writeFile(const std::string& path, const Image& image) {
  const std::vector<uint8_t> bytes = encode(image);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace png
