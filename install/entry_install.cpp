#include "install/entry_install.h"

#include <cstring>

#include "archive/archive_table.h"
#include "archive/extract.h"
#include "archive/file_length.h"
#include "archive/path_format.h"
#include "install/readme_files.h"
#include "install/update_log.h"
#include "platform/files.h"

namespace {

// The game runs without its pictures list, so an update that cannot replace
// it still goes on.
bool isOptionalEntry(int index) {
  return std::strcmp(ArchiveEntryTable[index].fileName, "pics.cfg") == 0;
}

// What lies in the installation now, measured only for the log.
StepOutcome installed(const char* target) {
  int32_t bytes = 0;
  if (updateLogActive() && measureFile(target, bytes))
    logEvent("installed %s, %d bytes", target, static_cast<int>(bytes));
  return StepOutcome::Done;
}

StepOutcome failed(const char* what, int index, const FileFailure& failure, StepOutcome outcome) {
  logEvent("%s: entry %s, file %s: %s", what, ArchiveEntryTable[index].fileName, failure.file,
           failure.reason);
  return outcome;
}

StepOutcome moveReadme(int index, const char* target, int32_t language) {
  const char* readme = readmeFileName(language);
  platform::makeWritable(readme);
  if (platform::moveFile(readme, target)) return installed(target);
  FileFailure failure;
  noteFileFailure(&failure, target);
  return failed("write failed", index, failure, StepOutcome::TargetFault);
}

StepOutcome extractEntry(int index, const char* target) {
  bool archiveFault = false;
  FileFailure failure;
  if (extractArchiveEntry(index, target, archiveFault, &failure)) return installed(target);
  if (archiveFault) return failed("update file failed", index, failure, StepOutcome::SourceFault);
  if (isOptionalEntry(index)) return failed("passed over", index, failure, StepOutcome::Done);
  return failed("write failed", index, failure, StepOutcome::TargetFault);
}

}  // namespace

StepOutcome installEntry(int index, const char* installDir, int32_t language) {
  const ArchiveEntry& entry = ArchiveEntryTable[index];
  char target[500];
  // A target whose path cannot be written down cannot be written either.
  if (!formatPath(target, sizeof target, "%s%s%s", installDir, entry.destination, entry.fileName)) {
    FileFailure failure;
    noteFileFailure(&failure, installDir, "the path is too long");
    return failed("write failed", index, failure, StepOutcome::TargetFault);
  }
  platform::makeWritable(target);
  platform::removeFile(target);
  return isReadmeEntry(index) ? moveReadme(index, target, language) : extractEntry(index, target);
}
