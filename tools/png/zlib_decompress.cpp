#include "png/big_endian.h"
#include "png/checksums.h"
#include "png/deflate_codes.h"
#include "png/zlib_stream.h"

namespace png {

namespace {

using namespace deflate;

class BitReader {
 public:
  BitReader(const std::vector<uint8_t>& in, size_t from) : in_(in), at_(from) {}

  bool bit(uint32_t& value) {
    if (at_ >= in_.size()) return false;
    value = (in_[at_] >> used_) & 1;
    if (++used_ == 8) {
      used_ = 0;
      ++at_;
    }
    return true;
  }

  bool bits(int count, uint32_t& value) {
    value = 0;
    for (int i = 0; i < count; ++i) {
      uint32_t b;
      if (!bit(b)) return false;
      value |= b << i;
    }
    return true;
  }

  // Reads a Huffman code of `count` more bits onto `code`, most significant
  // bit first.
  bool extend(uint32_t& code, int count) {
    for (int i = 0; i < count; ++i) {
      uint32_t b;
      if (!bit(b)) return false;
      code = code << 1 | b;
    }
    return true;
  }

  void alignToByte() {
    if (used_ != 0) {
      used_ = 0;
      ++at_;
    }
  }

  size_t position() const { return at_; }
  void skip(size_t bytes) { at_ += bytes; }

 private:
  const std::vector<uint8_t>& in_;
  size_t at_;
  int used_ = 0;
};

bool readFixedSymbol(BitReader& reader, int& symbol) {
  uint32_t code = 0;
  if (!reader.extend(code, 7)) return false;
  if (code <= 0x17) {
    symbol = 256 + static_cast<int>(code);
    return true;
  }
  if (!reader.extend(code, 1)) return false;
  if (code >= 0x30 && code <= 0xBF) {
    symbol = static_cast<int>(code - 0x30);
    return true;
  }
  if (code >= 0xC0 && code <= 0xC7) {
    symbol = 280 + static_cast<int>(code - 0xC0);
    return true;
  }
  if (!reader.extend(code, 1)) return false;
  symbol = 144 + static_cast<int>(code - 0x190);
  return true;
}

bool inflateFixed(BitReader& reader, std::vector<uint8_t>& out, size_t sizeLimit) {
  for (;;) {
    int symbol;
    if (!readFixedSymbol(reader, symbol)) return false;
    if (symbol < 256) {
      if (out.size() >= sizeLimit) return false;
      out.push_back(static_cast<uint8_t>(symbol));
      continue;
    }
    if (symbol == kEndOfBlock) return true;
    const int lengthCode = symbol - 257;
    if (lengthCode >= kLengthCodes) return false;
    uint32_t extra, distanceCode;
    if (!reader.bits(kLengthExtra[lengthCode], extra)) return false;
    const size_t length = kLengthBase[lengthCode] + extra;
    distanceCode = 0;
    if (!reader.extend(distanceCode, 5) || distanceCode >= kDistanceCodes) return false;
    if (!reader.bits(kDistanceExtra[distanceCode], extra)) return false;
    const size_t distance = kDistanceBase[distanceCode] + extra;
    if (distance > out.size() || out.size() + length > sizeLimit) return false;
    for (size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
  }
}

bool copyStored(const std::vector<uint8_t>& in, BitReader& reader, std::vector<uint8_t>& out,
                size_t sizeLimit) {
  reader.alignToByte();
  const size_t at = reader.position();
  if (at + 4 > in.size()) return false;
  const size_t length = in[at] | in[at + 1] << 8;
  const size_t complement = in[at + 2] | in[at + 3] << 8;
  if ((length ^ 0xFFFF) != complement) return false;
  if (at + 4 + length > in.size() || out.size() + length > sizeLimit) return false;
  out.insert(out.end(), in.begin() + static_cast<ptrdiff_t>(at + 4),
             in.begin() + static_cast<ptrdiff_t>(at + 4 + length));
  reader.skip(4 + length);
  return true;
}

}  // namespace

bool zlibDecompress(const std::vector<uint8_t>& stream, std::vector<uint8_t>& out,
                    size_t sizeLimit) {
  out.clear();
  if (stream.size() < 6 || (stream[0] & 0x0F) != 8 || (stream[0] << 8 | stream[1]) % 31 != 0 ||
      (stream[1] & 0x20) != 0) {
    return false;
  }
  BitReader reader(stream, 2);
  uint32_t last = 0;
  while (last == 0) {
    uint32_t type;
    if (!reader.bits(1, last) || !reader.bits(2, type)) return false;
    const bool ok = type == 0   ? copyStored(stream, reader, out, sizeLimit)
                    : type == 1 ? inflateFixed(reader, out, sizeLimit)
                                : false;
    if (!ok) return false;
  }
  reader.alignToByte();
  const size_t at = reader.position();
  if (at + 4 > stream.size()) return false;
  return bigEndian(&stream[at]) == adler32(out.data(), out.size());
}

}  // namespace png
