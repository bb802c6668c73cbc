#pragma once

#include <cstdint>

#include "install/step_outcome.h"

// Replaces one entry of the update in the installation: the readme is moved
// in from the chosen language's file, every other entry is copied out of
// update.dat. A target fault on the pictures list is passed over. Done, a
// source fault or a target fault, each told to the update's log.
StepOutcome installEntry(int index, const char* installDir, int32_t language);
