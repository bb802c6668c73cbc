// Any bytes as a run-length coded stream: decoding must stop cleanly, and
// coding the decoded bytes again must decode to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "archive/drive_path.h"
#include "archive/file_stream.h"
#include "fuzz_input.h"

namespace {

std::vector<uint8_t> decode(const DRIVE_PATH& folder, const char* name) {
  std::vector<uint8_t> bytes;
  FILE_STREAM stream;
  if (!stream.open(folder, name, 0, ReadBinary)) std::abort();
  for (uint8_t value; stream.readRunByte(value);) bytes.push_back(value);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const DRIVE_PATH folder = scratchDrivePath();
  writeInput("coded.bin", data, size);
  const std::vector<uint8_t> decoded = decode(folder, "coded.bin");
  // Each code of one or two bytes stands for at most 63 bytes.
  if (decoded.size() > size * 63) std::abort();

  FILE_STREAM stream;
  if (!stream.open(folder, "again.bin", 0, WriteBinary)) std::abort();
  for (uint8_t value : decoded)
    if (!stream.writeRunByte(value)) std::abort();
  if (!stream.close()) std::abort();
  if (decode(folder, "again.bin") != decoded) std::abort();
  return 0;
}
