#pragma once

#include <cstdint>

// The length of a file. Lengths are signed 32-bit in the archive, so a file
// of 2 GiB or more cannot be measured, nor one that cannot be opened.
bool measureFile(const char* name, int32_t& size);
