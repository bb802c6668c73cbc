#pragma once

#include <cstdint>

// True when every file the installation will read can be opened, and
// update.dat holds exactly the bodies its size table announces, so that an
// archive cut short is noticed before any installed file is touched.
bool sourcesAvailable(int32_t language);
