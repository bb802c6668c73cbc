#pragma once

#include <cstdint>
#include <vector>

namespace png {

// PNG chunks and the zlib trailer keep their numbers most significant byte
// first.
inline void appendBigEndian(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

inline uint32_t bigEndian(const uint8_t* at) {
  return static_cast<uint32_t>(at[0]) << 24 | at[1] << 16 | at[2] << 8 | at[3];
}

}  // namespace png
