#pragma once

#include <cstdint>
#include <cstdio>

#include "platform/sha256.h"

// A digest as 64 lower-case hexadecimal digits, as sha256sum writes it.
struct HexDigest {
  explicit HexDigest(const uint8_t* digest) {
    for (size_t i = 0; i < platform::kSha256Bytes; ++i)
      std::snprintf(text + 2 * i, 3, "%02x", digest[i]);
  }
  char text[2 * platform::kSha256Bytes + 1];
};
