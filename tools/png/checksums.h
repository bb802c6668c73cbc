#pragma once

#include <cstddef>
#include <cstdint>

namespace png {

// The CRC-32 of PNG chunks and the Adler-32 of zlib streams.
uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t adler32(const uint8_t* data, size_t size);

}  // namespace png
