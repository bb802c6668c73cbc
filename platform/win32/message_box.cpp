#include <windows.h>

#include "platform/message_box.h"

void showMessage(const char* caption, const char* text) {
  MessageBoxExA(nullptr, text, caption, MB_OK, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
}

namespace platform {

void endProcess(int exitCode) {
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace platform
