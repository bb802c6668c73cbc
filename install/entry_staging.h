#pragma once

#include <cstddef>
#include <cstdint>

#include "archive/file_copy.h"

// Where entry `index` of the update goes: the installation folder, the
// entry's subfolder and its name. False when the path does not fit.
bool entryTarget(int index, const char* installDir, char* target, size_t room);

// The game runs without its pictures list, so an update that cannot replace
// it still goes on.
bool isOptionalEntry(int index);

// Starts copying the new bytes of entry `index` into `staged`: the readme
// from the chosen language's file beside the installer, every other entry
// out of update.dat; `digest`, when given, is what they must hash to.
CopyProgress startStaging(FileCopy& copy, int index, const char* staged, int32_t language,
                          FileFailure* failure, const uint8_t* digest);
