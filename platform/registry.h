#pragma once

#include <cstdint>

// The machine-wide settings store. Keys are paths under the local machine's
// root, in the view the game's own 32-bit setup writes to.
namespace platform {

// Reads value `name` of key `keyPath` into `buffer`; `length` holds the room
// on entry and the bytes stored on return. Asks only for read access. False
// when the key or value is missing, access is refused or the value does not
// fit.
bool readRegistryValue(const char* keyPath, const char* name, char* buffer, uint32_t& length);

// Creates the key if needed and stores `text` with its terminating zero as a
// string value; returns once the value is on the disk.
bool writeRegistryString(const char* keyPath, const char* name, const char* text);

}  // namespace platform
