#pragma once

#include <cstdint>

#include "install/step_outcome.h"

// An installation goes in steps, the same whether the wizard shows them or a
// silent run takes them: step 0 checks the sources, steps 1 to 36 install
// one entry of the update each, and any later step finishes. Each step tells
// the update's log what happened.
StepOutcome takeInstallationStep(int step, const char* installDir, int32_t language);
