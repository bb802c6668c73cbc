#pragma once

#include <cstddef>
#include <cstdint>

// SHA-256 as the system's own cryptography computes it.
namespace platform {

inline constexpr size_t kSha256Bytes = 32;

// A digest being computed. Null when the system offers no SHA-256.
struct Sha256;
Sha256* startSha256();
// False when the system failed; the digest is then of no use.
bool addToSha256(Sha256* hash, const void* data, size_t length);
// Writes the digest of everything added; false when it could not be had.
bool finishSha256(Sha256* hash, uint8_t digest[kSha256Bytes]);
void releaseSha256(Sha256* hash);

}  // namespace platform
