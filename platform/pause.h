#pragma once

namespace platform {

// Waits so long before going on, for a file that another program holds.
void pause(int milliseconds);

}  // namespace platform
