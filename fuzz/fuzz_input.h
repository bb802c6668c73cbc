#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/temp_folder.h"

// Fuzz targets that read files work in a folder of their own, made the current
// folder on first use and removed with its files when the run ends. It lies
// under TMPDIR: /dev/shm there keeps the files of every input in memory.
inline void enterScratchFolder() {
  static const TempFolder folder;
  static const CurrentFolder inside(folder.path());
}

// Writes the input as a file in the current folder.
inline void writeInput(const char* name, const uint8_t* data, size_t size) {
  writeFile(name, std::string(reinterpret_cast<const char*>(data), size));
}
