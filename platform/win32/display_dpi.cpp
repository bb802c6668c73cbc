#include <windows.h>

#include "platform/window.h"

namespace {

using DpiForWindowCall = UINT(WINAPI*)(HWND);

// Looked up at run time, so that the program still starts on systems that
// predate the call.
DpiForWindowCall dpiForWindowCall() {
  static const auto call = reinterpret_cast<DpiForWindowCall>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  return call;
}

}  // namespace

namespace platform {

// Older systems have one scale for every display: the screen's.
int windowDpi(WindowHandle window) {
  HWND target = static_cast<HWND>(window);
  if (const DpiForWindowCall call = dpiForWindowCall()) {
    const UINT dpi = call(target);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  HDC context = GetDC(target);
  if (context == nullptr) return 0;
  const int dpi = GetDeviceCaps(context, LOGPIXELSX);
  ReleaseDC(target, context);
  return dpi;
}

}  // namespace platform
