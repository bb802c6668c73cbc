#pragma once

#include <cstdint>

#include "archive/archive_table.h"
#include "archive/file_failure.h"
#include "platform/files.h"

// Opens update.dat in the current folder and reads its size table, leaving
// the stream just past it. Null when the archive is missing or its table
// short; a given `failure` is then told why.
platform::OwnedFile openArchive(SizeTable sizes, FileFailure* failure);

// Opens update.dat in the current folder and stands it at the body of entry
// `index` of the archive table, whose length goes to `size`. Null when the
// archive is missing, its size table short or damaged, or the entry has no
// body; a given `failure` is then told why.
platform::OwnedFile openArchiveEntry(int32_t index, int64_t& size, FileFailure* failure);

// Copies the body of entry `index` out of update.dat in the current folder
// into `targetPath`, replacing any file there, in one call.
//
// On failure `archiveFault` says who is to blame: true for update.dat (missing,
// size table short or damaged, body cut short), false for the target (cannot
// be created or written). On success it is left as it was. A target that was
// created stays on disk after a failure, holding what was written. A given
// `failure` is told the file that failed and why.
bool extractArchiveEntry(int32_t index, const char* targetPath, bool& archiveFault,
                         FileFailure* failure = nullptr);
