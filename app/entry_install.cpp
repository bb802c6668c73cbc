#include "app/entry_install.h"

#include <cstring>

#include "app/readme_files.h"
#include "archive/archive_table.h"
#include "archive/extract.h"
#include "archive/path_format.h"
#include "platform/files.h"

namespace {

// The game runs without its pictures list, so an update that cannot replace
// it still goes on.
bool isOptionalEntry(int index) {
  return std::strcmp(ArchiveEntryTable[index].fileName, "pics.cfg") == 0;
}

}  // namespace

EntryOutcome installEntry(int index, const char* installDir, int32_t language) {
  const ArchiveEntry& entry = ArchiveEntryTable[index];
  char target[500];
  // A target whose path cannot be written down cannot be written either.
  if (!formatPath(target, sizeof target, "%s%s%s", installDir, entry.destination, entry.fileName))
    return EntryOutcome::TargetFault;
  platform::makeWritable(target);
  platform::removeFile(target);
  if (isReadmeEntry(index)) {
    const char* readme = readmeFileName(language);
    platform::makeWritable(readme);
    return platform::moveFile(readme, target) ? EntryOutcome::Installed : EntryOutcome::TargetFault;
  }
  bool archiveFault = false;
  if (extractArchiveEntry(index, target, archiveFault)) return EntryOutcome::Installed;
  if (archiveFault) return EntryOutcome::SourceFault;
  return isOptionalEntry(index) ? EntryOutcome::Installed : EntryOutcome::TargetFault;
}
