#include <windows.h>

#include "platform/cursor.h"
#include "platform/win32/program_instance.h"

namespace platform {

CursorHandle loadCursorResource(const char* name) {
  return LoadCursorA(programInstance(), name);
}

CursorHandle loadSystemCursor(SystemCursor cursor) {
  return LoadCursorA(nullptr, cursor == SystemCursor::wait ? IDC_WAIT : IDC_ARROW);
}

CursorHandle currentCursor() {
  return GetCursor();
}

void setCursor(CursorHandle cursor) {
  SetCursor(static_cast<HCURSOR>(cursor));
}

void showCursor(bool show) {
  ShowCursor(show ? TRUE : FALSE);
}

void destroyCursor(CursorHandle cursor) {
  DestroyCursor(static_cast<HCURSOR>(cursor));
}

}  // namespace platform
