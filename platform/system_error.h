#pragma once

#include <cstddef>

namespace platform {

// The system's own words for the error of the last call that failed on this
// thread ("Access is denied."), on one line; take it right after the failure,
// before another call replaces it.
void describeLastError(char* buffer, size_t room);

}  // namespace platform
