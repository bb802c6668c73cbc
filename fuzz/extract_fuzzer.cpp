// Any bytes as update.dat: every entry is extracted, and whatever an
// extraction reports must agree with the body the bytes describe.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive_table.h"
#include "archive/extract.h"
#include "fuzz_input.h"

namespace fs = std::filesystem;

namespace {

// Where entry `index`'s body lies in the input; false when the table is
// damaged or the input ends before the body does. An empty body needs no
// bytes, so it is whole even where the input has ended.
bool bodyOf(const SizeTable sizes, int index, size_t size, int64_t& start) {
  int64_t offset = 0;
  for (int i = 0; i < index; ++i) {
    if (isReadmeEntry(i)) continue;
    if (sizes[i] < 0) return false;
    offset += sizes[i];
  }
  if (sizes[index] < 0 || offset + sizes[index] > INT32_MAX) return false;
  start = kSizeTableBytes + offset;
  return sizes[index] == 0 || start + sizes[index] <= static_cast<int64_t>(size);
}

}  // namespace

// The extraction reads update.dat from the current folder, so each input is
// extracted with the scratch folder current, and a crash there happens in
// it. libFuzzer writes a crashing input relative to the current folder: its
// artifact paths are made absolute first, by default the folder the run was
// started in.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static std::vector<std::string> kept(*argv, *argv + *argc);
  // First, so that one given on the command line counts instead.
  kept.insert(kept.begin() + 1, "-artifact_prefix=" + (fs::current_path() / "").string());
  for (std::string& argument : kept) {
    for (const std::string flag : {"-artifact_prefix=", "-exact_artifact_path="})
      if (argument.rfind(flag, 0) == 0)
        argument = flag + fs::absolute(argument.substr(flag.size())).string();
  }
  static std::vector<char*> arguments;
  for (std::string& argument : kept) arguments.push_back(argument.data());
  *argc = static_cast<int>(kept.size());
  *argv = arguments.data();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  writeInput(kUpdateArchiveName, data, size);
  const fs::path target = scratchFolder() / "target.bin";
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  SizeTable sizes = {};
  if (size >= kSizeTableBytes) decodeSizeTable(data, sizes);

  const CurrentFolder inScratch(scratchFolder());
  for (int index = 0; index < kArchiveEntryCount; ++index) {
    if (isReadmeEntry(index)) continue;
    fs::remove(target);
    bool archiveFault = false;
    const bool extracted = extractArchiveEntry(index, target.string().c_str(), archiveFault);
    int64_t start = 0;
    const bool whole = size >= kSizeTableBytes && bodyOf(sizes, index, size, start);
    if (extracted != whole || (!extracted && !archiveFault)) std::abort();
    if (!extracted) continue;
    // An empty body may start past the end of the input.
    const std::string_view body = input.substr(std::min<size_t>(start, size), sizes[index]);
    if (readFile(target) != body) std::abort();
  }
  return 0;
}
