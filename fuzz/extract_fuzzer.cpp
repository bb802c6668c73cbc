// Any bytes as update.dat: every entry is extracted, and whatever an
// extraction reports must agree with the body the bytes describe.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "archive/archive_table.h"
#include "archive/extract.h"
#include "fuzz_input.h"

namespace {

constexpr const char* kTarget = "target.bin";

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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  enterScratchFolder();
  writeInput(kUpdateArchiveName, data, size);
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  SizeTable sizes = {};
  if (size >= kSizeTableBytes) decodeSizeTable(data, sizes);

  for (int index = 0; index < kArchiveEntryCount; ++index) {
    if (isReadmeEntry(index)) continue;
    std::remove(kTarget);
    bool archiveFault = false;
    const bool extracted = extractArchiveEntry(index, kTarget, archiveFault);
    int64_t start = 0;
    const bool whole = size >= kSizeTableBytes && bodyOf(sizes, index, size, start);
    if (extracted != whole || (!extracted && !archiveFault)) std::abort();
    if (!extracted) continue;
    // An empty body may start past the end of the input.
    const std::string_view body = input.substr(std::min<size_t>(start, size), sizes[index]);
    if (readFile(kTarget) != body) std::abort();
  }
  return 0;
}
