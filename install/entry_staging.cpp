#include "install/entry_staging.h"

#include <cstring>
#include <utility>

#include "archive/archive_table.h"
#include "archive/extract.h"
#include "archive/path_format.h"
#include "install/readme_files.h"

bool entryTarget(int index, const char* installDir, char* target, size_t room) {
  const ArchiveEntry& entry = ArchiveEntryTable[index];
  return formatPath(target, room, "%s%s%s", installDir, entry.destination, entry.fileName);
}

bool isOptionalEntry(int index) {
  return std::strcmp(ArchiveEntryTable[index].fileName, "pics.cfg") == 0;
}

CopyProgress startStaging(FileCopy& copy, int index, const char* staged, int32_t language,
                          FileFailure* failure, const uint8_t* digest) {
  int64_t size = 0;
  const char* source = kUpdateArchiveName;
  platform::OwnedFile from;
  if (isReadmeEntry(index)) {
    source = readmeFileName(language);
    from.reset(platform::openFile(source, "rb"));
    if (from) size = platform::fileLength(from.get());
  } else {
    from = openArchiveEntry(index, size, failure);
    if (!from) return CopyProgress::SourceFault;
  }
  if (!from || size < 0) {
    noteFileFailure(failure, source);
    return CopyProgress::SourceFault;
  }
  return copy.start(std::move(from), source, size, staged, failure, digest);
}
