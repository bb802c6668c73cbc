#pragma once

#include <cstddef>
#include <cstdint>

// Fuzz targets that read files work in a private folder under /dev/shm or /tmp, made the
// current folder on first use and removed with its files when the run ends.
void enterScratchFolder();

// Writes the input as a file in the current folder.
void writeInput(const char* name, const uint8_t* data, size_t size);
