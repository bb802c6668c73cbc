#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include "platform/shell.h"

namespace platform {

void openDocument(const char* path) {
  ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace platform
