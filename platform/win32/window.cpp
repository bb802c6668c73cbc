#include <windows.h>

#include "platform/window.h"

namespace platform {

void dispatchWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    // A WM_QUIT taken here is dropped: only the quit flag ends the program.
    if (GetMessageA(&message, nullptr, 0, 0) != 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

}  // namespace platform
