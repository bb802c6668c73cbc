#pragma once

#include <cstdint>

#include "archive/archive_table.h"
#include "platform/sha256.h"

// The SHA-256 digests of what this build of the installer was made to
// install, compiled in so that its signature covers them: each body of
// update.dat and each language's readme. A build made without an update
// folder has none and checks lengths only.
struct UpdateDigests {
  bool present;
  uint8_t bodies[kArchiveEntryCount][platform::kSha256Bytes];  // the readme's slot unused
  bool readmePresent[7];
  uint8_t readmes[7][platform::kSha256Bytes];
};

// Written by tools/update_digests.py for this build.
extern const UpdateDigests kUpdateDigests;

// What entry `index` must hash to, or for the readme entry what the
// language's readme must; null when the digests do not tell.
const uint8_t* expectedDigest(const UpdateDigests& digests, int index, int32_t language);
