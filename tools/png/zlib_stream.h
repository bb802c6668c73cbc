#pragma once

#include <cstdint>
#include <vector>

namespace png {

// A zlib stream of one deflate block with the fixed codes: greedy LZ77
// matching, enough to make pictures of flat colour and text small.
std::vector<uint8_t> zlibCompress(const std::vector<uint8_t>& data);

// Reads stored and fixed-code blocks (what zlibCompress and the simplest
// encoders write); false for anything else or any damage.
bool zlibDecompress(const std::vector<uint8_t>& stream, std::vector<uint8_t>& out,
                    size_t sizeLimit);

}  // namespace png
