#include <windows.h>

#include "platform/window_icon.h"

namespace {

WPARAM iconKind(platform::IconSize size) {
  return size == platform::IconSize::large ? ICON_BIG : ICON_SMALL;
}

}  // namespace

namespace platform {

IconHandle setWindowIcon(WindowHandle window, void* module, int resourceId, IconSize size) {
  const bool large = size == IconSize::large;
  // Loaded at the exact size, not shared: a shared load would hand back
  // whichever size of the group was loaded first.
  HANDLE icon = LoadImageA(static_cast<HINSTANCE>(module), MAKEINTRESOURCEA(resourceId), IMAGE_ICON,
                           GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON),
                           GetSystemMetrics(large ? SM_CYICON : SM_CYSMICON), LR_DEFAULTCOLOR);
  if (icon == nullptr) return nullptr;
  SendMessageA(static_cast<HWND>(window), WM_SETICON, iconKind(size),
               reinterpret_cast<LPARAM>(icon));
  return icon;
}

void releaseWindowIcon(WindowHandle window, IconHandle icon, IconSize size) {
  HWND target = static_cast<HWND>(window);
  const LRESULT shown = SendMessageA(target, WM_GETICON, iconKind(size), 0);
  if (reinterpret_cast<HICON>(shown) == static_cast<HICON>(icon))
    SendMessageA(target, WM_SETICON, iconKind(size), 0);
  DestroyIcon(static_cast<HICON>(icon));
}

}  // namespace platform
