#include "archive/extract.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

#include "archive/archive_table.h"
#include "platform/files.h"

namespace {

constexpr int32_t kCopyBufferBytes = 65536;

// The body's offset behind the size table. A negative slot, or bodies that
// reach past the signed 32-bit range, mean the table is damaged.
bool locateBody(const SizeTable sizes, int32_t index, int32_t& offset) {
  int64_t end = 0;
  for (int32_t i = 0; i <= index; ++i) {
    if (isReadmeEntry(i)) continue;
    if (sizes[i] < 0) return false;
    end += sizes[i];
  }
  if (end > INT32_MAX) return false;
  offset = static_cast<int32_t>(end - sizes[index]);
  return true;
}

// Chunks move between the files and the copy buffer directly: the streams'
// own buffers would only split each chunk into more system calls.
void unbuffer(std::FILE* file) {
  std::setvbuf(file, nullptr, _IONBF, 0);
}

// Who is to blame, and the file and reason for the log, taken while the
// system still holds the error: the files are closed only after this.
struct Blame {
  bool& archiveFault;
  FileFailure* failure;
  const char* targetPath;

  bool archive(const char* reason = nullptr) const {
    noteFileFailure(failure, kUpdateArchiveName, reason);
    archiveFault = true;
    return false;
  }
  bool target(const char* reason = nullptr) const {
    noteFileFailure(failure, targetPath != nullptr ? targetPath : "", reason);
    archiveFault = false;
    return false;
  }
};

// A read that comes up short at the end of the file found no system error.
const char* shortReadReason(std::FILE* file) {
  return std::feof(file) ? "the file ends too soon" : nullptr;
}

}  // namespace

bool extractArchiveEntry(int32_t index, const char* targetPath, bool& archiveFault,
                         FileFailure* failure) {
  const Blame blame{archiveFault, failure, targetPath};
  // The readme has no body in the archive.
  if (index < 0 || index >= kArchiveEntryCount || isReadmeEntry(index))
    return blame.archive("the entry has no body");

  platform::OwnedFile archive(platform::openFile(kUpdateArchiveName, "rb"));
  if (!archive) return blame.archive();
  unbuffer(archive.get());
  unsigned char table[kSizeTableBytes];
  if (platform::readFile(archive.get(), table, sizeof table, 1) != 1)
    return blame.archive(shortReadReason(archive.get()));
  SizeTable sizes;
  decodeSizeTable(table, sizes);
  int32_t offset = 0;
  if (!locateBody(sizes, index, offset)) return blame.archive("the size table is damaged");
  if (std::fseek(archive.get(), offset, SEEK_CUR) != 0) return blame.archive();

  platform::OwnedFile target(targetPath != nullptr ? platform::openFile(targetPath, "wb")
                                                   : nullptr);
  if (!target) return blame.target();
  unbuffer(target.get());
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBufferBytes]);
  if (!buffer) return blame.target("out of memory");

  const int32_t size = sizes[index];
  for (int32_t copied = 0; copied < size;) {
    const int32_t chunk = std::min(size - copied, kCopyBufferBytes);
    if (platform::readFile(archive.get(), buffer.get(), static_cast<size_t>(chunk), 1) != 1)
      return blame.archive(shortReadReason(archive.get()));
    if (platform::writeFile(target.get(), buffer.get(), static_cast<size_t>(chunk), 1) != 1)
      return blame.target();
    copied += chunk;
  }
  // A close that fails may have lost bytes of the body on their way to disk.
  if (!platform::closeFile(target.release())) return blame.target();
  return true;
}
