#include <algorithm>

#include "png/big_endian.h"
#include "png/checksums.h"
#include "png/deflate_codes.h"
#include "png/zlib_stream.h"

namespace png {

namespace {

using namespace deflate;

class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}

  void bits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) put((value >> i) & 1);
  }

  // Huffman codes go most significant bit first.
  void code(uint32_t value, int length) {
    for (int i = length - 1; i >= 0; --i) put((value >> i) & 1);
  }

  void flush() {
    if (filled_ > 0) out_.push_back(pending_);
    pending_ = 0;
    filled_ = 0;
  }

 private:
  void put(uint32_t bit) {
    pending_ = static_cast<uint8_t>(pending_ | bit << filled_);
    if (++filled_ == 8) flush();
  }

  std::vector<uint8_t>& out_;
  uint8_t pending_ = 0;
  int filled_ = 0;
};

void writeSymbol(BitWriter& writer, int symbol) {
  if (symbol < 144) {
    writer.code(0x30u + symbol, 8);
  } else if (symbol < 256) {
    writer.code(0x190u + (symbol - 144), 9);
  } else if (symbol < 280) {
    writer.code(static_cast<uint32_t>(symbol - 256), 7);
  } else {
    writer.code(0xC0u + (symbol - 280), 8);
  }
}

void writeMatch(BitWriter& writer, int length, int distance) {
  int code = kLengthCodes - 1;
  while (kLengthBase[code] > length) --code;
  writeSymbol(writer, 257 + code);
  writer.bits(static_cast<uint32_t>(length - kLengthBase[code]), kLengthExtra[code]);
  int distanceCode = kDistanceCodes - 1;
  while (kDistanceBase[distanceCode] > distance) --distanceCode;
  writer.code(static_cast<uint32_t>(distanceCode), 5);
  writer.bits(static_cast<uint32_t>(distance - kDistanceBase[distanceCode]),
              kDistanceExtra[distanceCode]);
}

// Greedy matching over hash chains of three-byte prefixes.
class Matcher {
 public:
  explicit Matcher(const std::vector<uint8_t>& data)
      : data_(data), head_(kHashSize, -1), previous_(data.size(), -1) {}

  // Longest earlier match at `at`, as (length, distance); length 0 if none.
  std::pair<int, int> find(size_t at) const {
    if (at + 3 > data_.size()) return {0, 0};
    const size_t limit = std::min<size_t>(kMaxMatch, data_.size() - at);
    int bestLength = 0, bestDistance = 0;
    int candidate = head_[hash(at)];
    for (int chain = 0; candidate >= 0 && chain < kChainLimit; ++chain) {
      const size_t distance = at - static_cast<size_t>(candidate);
      if (distance > kWindow) break;
      size_t length = 0;
      while (length < limit && data_[candidate + length] == data_[at + length]) ++length;
      if (static_cast<int>(length) > bestLength) {
        bestLength = static_cast<int>(length);
        bestDistance = static_cast<int>(distance);
        if (length == limit) break;
      }
      candidate = previous_[static_cast<size_t>(candidate)];
    }
    return bestLength >= 3 ? std::make_pair(bestLength, bestDistance) : std::make_pair(0, 0);
  }

  void insert(size_t at) {
    if (at + 3 > data_.size()) return;
    const size_t h = hash(at);
    previous_[at] = head_[h];
    head_[h] = static_cast<int>(at);
  }

 private:
  static constexpr size_t kHashSize = 1 << 15;
  static constexpr int kChainLimit = 64;

  size_t hash(size_t at) const {
    return (data_[at] * 506832829u ^ data_[at + 1] * 2654435761u ^ data_[at + 2] * 40503u) %
           kHashSize;
  }

  const std::vector<uint8_t>& data_;
  std::vector<int> head_;
  std::vector<int> previous_;
};

}  // namespace

std::vector<uint8_t> zlibCompress(const std::vector<uint8_t>& data) {
  std::vector<uint8_t> out = {0x78, 0x01};
  BitWriter writer(out);
  writer.bits(1, 1);  // the last block
  writer.bits(1, 2);  // fixed codes
  Matcher matcher(data);
  size_t at = 0;
  while (at < data.size()) {
    const auto [length, distance] = matcher.find(at);
    if (length == 0) {
      writeSymbol(writer, data[at]);
      matcher.insert(at++);
      continue;
    }
    writeMatch(writer, length, distance);
    for (int i = 0; i < length; ++i) matcher.insert(at++);
  }
  writeSymbol(writer, kEndOfBlock);
  writer.flush();
  appendBigEndian(out, adler32(data.data(), data.size()));
  return out;
}

}  // namespace png
