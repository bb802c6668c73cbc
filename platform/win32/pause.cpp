#include <windows.h>

#include "platform/pause.h"

namespace platform {

void pause(int milliseconds) {
  Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace platform
