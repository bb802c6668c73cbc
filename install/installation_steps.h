#pragma once

#include <cstdint>

#include "install/step_outcome.h"

class UpdateTransaction;

// An installation goes in steps, the same whether the wizard shows them or a
// silent run takes them: step 0 checks the sources, steps 1 to 36 stage one
// entry of the update each (a large one over several calls, each answering
// Copying until it is done), and any later step commits the update. Each
// step tells the update's log what happened.
StepOutcome takeInstallationStep(UpdateTransaction& update, int step, const char* installDir,
                                 int32_t language);
