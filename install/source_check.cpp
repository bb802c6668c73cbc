#include "install/source_check.h"

#include <cstdio>

#include "archive/archive_table.h"
#include "archive/extract.h"
#include "install/readme_files.h"
#include "platform/files.h"

namespace {

bool canOpen(const char* name, FileFailure* failure) {
  std::FILE* file = platform::openFile(name, "r");
  if (file == nullptr) {
    noteFileFailure(failure, name);
    return false;
  }
  platform::closeFile(file);
  return true;
}

bool damaged(FileFailure* failure) {
  noteFileFailure(failure, kUpdateArchiveName, "it does not hold what its size table announces");
  return false;
}

// The extractor trusts the size table; a table that disagrees with the file's
// length would install a cut-short or shifted body.
bool archiveIsWhole(FileFailure* failure) {
  SizeTable sizes;
  platform::OwnedFile archive = openArchive(sizes, failure);
  if (!archive) return false;
  const int64_t length = platform::fileLength(archive.get());
  archive.reset();
  if (length < 0) return damaged(failure);
  long long expected = kSizeTableBytes;
  for (int i = 0; i < kArchiveEntryCount; ++i) {
    if (isReadmeEntry(i)) continue;
    if (sizes[i] < 0) return damaged(failure);
    expected += sizes[i];
  }
  return length == expected || damaged(failure);
}

}  // namespace

bool sourcesAvailable(int32_t language, FileFailure& failure) {
  for (int i = 0; i < kArchiveEntryCount; ++i) {
    const char* source = isReadmeEntry(i) ? readmeFileName(language) : kUpdateArchiveName;
    if (!canOpen(source, &failure)) return false;
  }
  return archiveIsWhole(&failure);
}
