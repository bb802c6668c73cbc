#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "archive/drive_path.h"
#include "support/temp_folder.h"

// Fuzz targets that read files write each input into a folder of their own,
// made on first use under TMPDIR (/dev/shm there keeps the files in memory)
// and removed with its files when the run ends. The current folder stays
// where the run was started: libFuzzer reads its corpus folders and writes
// what it finds there.
inline const std::filesystem::path& scratchFolder() {
  static const TempFolder folder;
  return folder.path();
}

// A DRIVE_PATH naming the scratch folder, for the readers that open files in
// one: reached from the current folder, as a DRIVE_PATH only enters folders.
inline DRIVE_PATH scratchDrivePath() {
  DRIVE_PATH folder;
  folder.enter(std::filesystem::relative(scratchFolder()).string().c_str());
  return folder;
}

// Writes the input as a file of the scratch folder.
inline void writeInput(const char* name, const uint8_t* data, size_t size) {
  writeFile(scratchFolder() / name, std::string(reinterpret_cast<const char*>(data), size));
}
