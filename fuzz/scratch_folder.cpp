#include "scratch_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

std::string folder;

void removeFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace

void enterScratchFolder() {
  if (!folder.empty()) return;
  // Memory-backed when the system has such a folder: the targets write files
  // for every input.
  char inMemory[] = "/dev/shm/tx3fuzz-XXXXXX";
  char onDisk[] = "/tmp/tx3fuzz-XXXXXX";
  const char* name = mkdtemp(inMemory) != nullptr ? inMemory : mkdtemp(onDisk);
  if (name == nullptr || chdir(name) != 0) std::abort();
  folder = name;
  std::atexit(removeFolder);
}

void writeInput(const char* name, const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(name, "wb");
  if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
    std::abort();
}
