#pragma once

#include <cstdint>

#include "archive/file_failure.h"

// Copies the body of entry `index` of the archive table out of update.dat in
// the current folder into `targetPath`, replacing any file there. Each call
// opens the archive afresh and streams through one 64 KiB buffer.
//
// On failure `archiveFault` says who is to blame: true for update.dat (missing,
// size table short or damaged, body cut short), false for the target (cannot
// be created or written). On success it is left as it was. A target that was
// created stays on disk after a failure, holding what was written. A given
// `failure` is told the file that failed and why.
bool extractArchiveEntry(int32_t index, const char* targetPath, bool& archiveFault,
                         FileFailure* failure = nullptr);
