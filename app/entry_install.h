#pragma once

#include <cstdint>

enum class EntryOutcome { Installed, SourceFault, TargetFault };

// Replaces one entry of the update in the installation: the readme is moved
// in from the chosen language's file, every other entry is copied out of
// update.dat. A target fault on the pictures list is passed over.
EntryOutcome installEntry(int index, const char* installDir, int32_t language);
