// Any bytes as update.dat: every entry is extracted, and whatever an
// extraction reports must agree with the body the bytes describe.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "archive/archive_table.h"
#include "archive/extract.h"
#include "scratch_folder.h"

namespace {

constexpr const char* kTarget = "target.bin";

std::vector<uint8_t> readTarget() {
  std::vector<uint8_t> bytes;
  if (std::FILE* file = std::fopen(kTarget, "rb")) {
    for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(file);
  }
  return bytes;
}

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
    const std::vector<uint8_t> body = readTarget();
    if (body.size() != static_cast<size_t>(sizes[index]) ||
        (!body.empty() && std::memcmp(body.data(), data + start, body.size()) != 0))
      std::abort();
  }
  return 0;
}
