#include <windows.h>

#include "platform/console.h"

namespace platform {

bool writeToParentConsole(const char* text) {
  if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) return false;
  // A GUI program's standard handles do not lead to the console it attached.
  const HANDLE console = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
  bool written = false;
  if (console != INVALID_HANDLE_VALUE) {
    const DWORD length = static_cast<DWORD>(lstrlenA(text));
    DWORD count = 0;
    written = WriteFile(console, text, length, &count, nullptr) != 0 && count == length;
    CloseHandle(console);
  }
  FreeConsole();
  return written;
}

}  // namespace platform
