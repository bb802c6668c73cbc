#include "archive/extract.h"

#include <cstdio>
#include <utility>

#include "archive/file_copy.h"

namespace {

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

platform::OwnedFile blameArchive(FileFailure* failure, const char* reason = nullptr) {
  noteFileFailure(failure, kUpdateArchiveName, reason);
  return nullptr;
}

}  // namespace

platform::OwnedFile openArchive(SizeTable sizes, FileFailure* failure) {
  platform::OwnedFile archive(platform::openFile(kUpdateArchiveName, "rb"));
  if (!archive) return blameArchive(failure);
  unsigned char table[kSizeTableBytes];
  if (platform::readFile(archive.get(), table, sizeof table, 1) != 1)
    return blameArchive(failure, std::feof(archive.get()) ? "the file ends too soon" : nullptr);
  decodeSizeTable(table, sizes);
  return archive;
}

platform::OwnedFile openArchiveEntry(int32_t index, int64_t& size, FileFailure* failure) {
  // The readme has no body in the archive.
  if (index < 0 || index >= kArchiveEntryCount || isReadmeEntry(index))
    return blameArchive(failure, "the entry has no body");
  SizeTable sizes;
  platform::OwnedFile archive = openArchive(sizes, failure);
  if (!archive) return nullptr;
  int32_t offset = 0;
  if (!locateBody(sizes, index, offset)) return blameArchive(failure, "the size table is damaged");
  if (std::fseek(archive.get(), offset, SEEK_CUR) != 0) return blameArchive(failure);
  size = sizes[index];
  return archive;
}

bool extractArchiveEntry(int32_t index, const char* targetPath, bool& archiveFault,
                         FileFailure* failure) {
  int64_t size = 0;
  platform::OwnedFile archive = openArchiveEntry(index, size, failure);
  FileCopy copy;
  CopyProgress progress = archive ? copy.start(std::move(archive), kUpdateArchiveName, size,
                                               targetPath != nullptr ? targetPath : "", failure)
                                  : CopyProgress::SourceFault;
  while (progress == CopyProgress::Copying) progress = copy.copySome(size);
  if (progress == CopyProgress::Done) return true;
  archiveFault = progress == CopyProgress::SourceFault;
  return false;
}
