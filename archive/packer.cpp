#include "archive/packer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

#include "archive/archive_table.h"
#include "archive/file_length.h"
#include "platform/files.h"

namespace {

// The new archive is written here and renamed over update.dat only when whole.
constexpr const char* kPartialArchiveName = "update.dat.part";

// Sizes are signed 32-bit in the archive, and so is their sum: readers add
// them up to find a body.
bool measureAll(SizeTable sizes) {
  int64_t total = 0;
  for (int i = 0; i < kArchiveEntryCount; ++i) {
    sizes[i] = 0;
    if (isReadmeEntry(i)) continue;
    if (!measureFile(ArchiveEntryTable[i].fileName, sizes[i])) return false;
    total += sizes[i];
  }
  return total <= INT32_MAX;
}

// Bodies stream through one buffer small enough to stay in the processor's
// cache; holding whole files would cost memory and time for nothing.
constexpr size_t kCopyBufferBytes = 128 * 1024;

// Copies exactly `size` bytes: a file that grew since it was measured is cut
// to its measured size, one that shrank fails the copy.
bool copyBody(const char* name, int32_t size, char* buffer, std::FILE* archive) {
  if (size == 0) return true;
  platform::OwnedFile file(platform::openFile(name, "rb"));
  if (!file) return false;
  for (size_t left = static_cast<size_t>(size); left > 0;) {
    const size_t chunk = left < kCopyBufferBytes ? left : kCopyBufferBytes;
    if (platform::readFile(file.get(), buffer, chunk, 1) != 1 ||
        platform::writeFile(archive, buffer, chunk, 1) != 1)
      return false;
    left -= chunk;
  }
  return true;
}

bool writeArchive(const SizeTable sizes, std::FILE* archive) {
  unsigned char table[kSizeTableBytes];
  encodeSizeTable(sizes, table);
  if (platform::writeFile(archive, table, sizeof table, 1) != 1) return false;
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBufferBytes]);
  if (!buffer) return false;
  for (int i = 0; i < kArchiveEntryCount; ++i)
    if (!isReadmeEntry(i) &&
        !copyBody(ArchiveEntryTable[i].fileName, sizes[i], buffer.get(), archive))
      return false;
  return true;
}

}  // namespace

bool packUpdateArchive() {
  SizeTable sizes;
  if (!measureAll(sizes)) return false;

  std::FILE* archive = platform::openFile(kPartialArchiveName, "wb");
  if (archive == nullptr) return false;
  const bool written = writeArchive(sizes, archive);
  // Closing flushes the last buffered bytes, so its failure is a failed write.
  const bool closed = platform::closeFile(archive);
  if (written && closed && platform::replaceFile(kPartialArchiveName, kUpdateArchiveName))
    return true;
  platform::removeFile(kPartialArchiveName);
  return false;
}
