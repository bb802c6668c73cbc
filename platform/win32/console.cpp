#include <windows.h>

#include "platform/console.h"

namespace platform {

namespace {

bool writeWhole(HANDLE output, const char* text) {
  const DWORD length = static_cast<DWORD>(lstrlenA(text));
  DWORD count = 0;
  return WriteFile(output, text, length, &count, nullptr) != 0 && count == length;
}

}  // namespace

// A GUI program started as "tx3inst /? > usage.txt" or into a pipe is handed
// the file or the pipe as its standard output; a console is none of them.
bool writeToRedirectedOutput(const char* text) {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output == nullptr || output == INVALID_HANDLE_VALUE) return false;
  const DWORD type = GetFileType(output);
  return (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) && writeWhole(output, text);
}

bool writeToParentConsole(const char* text) {
  if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) return false;
  // A GUI program's standard handles do not lead to the console it attached.
  const HANDLE console = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
  const bool written = console != INVALID_HANDLE_VALUE && writeWhole(console, text);
  if (console != INVALID_HANDLE_VALUE) CloseHandle(console);
  FreeConsole();
  return written;
}

}  // namespace platform
