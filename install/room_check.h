#pragma once

#include <cstdint>

// True when the drive that holds `installDir` has room to stage entries
// `first` to the last of the update beside the files they replace: their
// sizes rounded up to the drive's allocation unit, plus a margin of 1 MiB.
// Otherwise the log names the drive, the bytes needed and the bytes free. A
// drive whose room cannot be told passes: staging will say what is wrong.
bool hasRoomToStage(int first, const char* installDir, int32_t language);
