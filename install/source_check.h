#pragma once

#include <cstdint>

#include "archive/file_failure.h"

// True when every file the installation will read can be opened, and
// update.dat holds exactly the bodies its size table announces, so that an
// archive cut short is noticed before any installed file is touched. Else
// `failure` tells the first file found wanting and why.
bool sourcesAvailable(int32_t language, FileFailure& failure);
