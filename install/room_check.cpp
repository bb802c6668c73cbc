#include "install/room_check.h"

#include "archive/archive_table.h"
#include "archive/extract.h"
#include "archive/file_length.h"
#include "install/readme_files.h"
#include "install/update_log.h"
#include "platform/files.h"

namespace {

// For the directory entries and whatever else the drive's bookkeeping grows by.
constexpr uint64_t kMarginBytes = 1024 * 1024;

uint64_t roundedUp(uint64_t bytes, uint64_t unit) {
  return unit == 0 ? bytes : (bytes + unit - 1) / unit * unit;
}

}  // namespace

bool hasRoomToStage(int first, const char* installDir, int32_t language) {
  platform::DriveRoom room{};
  SizeTable sizes;
  // The source check has found the archive whole, and the readme there.
  if (!platform::driveRoom(installDir, room) || !openArchive(sizes, nullptr)) return true;
  uint64_t needed = kMarginBytes;
  for (int i = first; i < kArchiveEntryCount; ++i) {
    int32_t size = sizes[i] < 0 ? 0 : sizes[i];
    if (isReadmeEntry(i) && !measureFile(readmeFileName(language), size)) size = 0;
    needed += roundedUp(static_cast<uint64_t>(size), room.clusterBytes);
  }
  if (needed <= room.freeBytes) return true;
  logEvent("not enough room on %s: %llu bytes needed, %llu bytes free", room.root,
           static_cast<unsigned long long>(needed),
           static_cast<unsigned long long>(room.freeBytes));
  return false;
}
