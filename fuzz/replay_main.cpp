// Runs a fuzz target over stored inputs without the fuzzing engine, so that
// every input that once reached new code is tried again by the native tests.
//
//   <target> FILE_OR_FOLDER...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path given = argv[i];
    if (!fs::is_directory(given)) {
      inputs.push_back(given);
      continue;
    }
    for (const auto& entry : fs::directory_iterator(given))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  const fs::path started = fs::current_path();
  for (const fs::path& input : inputs) {
    const std::string bytes = readFile(input);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    // libFuzzer reads the next input and writes what it finds relative to
    // the current folder.
    if (fs::current_path() == started) continue;
    std::printf("%s: the target left the current folder\n", input.c_str());
    return 1;
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return inputs.empty() ? 1 : 0;
}
