#include <windows.h>

#include "platform/display_state.h"
#include "platform/qvio.h"
#include "platform/window.h"
#include "platform/window_events.h"

namespace {

constexpr char kClassName[] = "main";

HWND handle(platform::WindowHandle window) {
  return static_cast<HWND>(window);
}

// Decodes the messages the display handles into the portable calls; the rest
// go to the default handling, which also turns the close box, the system menu
// and Alt+F4 into WM_CLOSE.
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
      window_events::activation(wParam);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      window_events::paint();
      EndPaint(window, &paint);
      return 0;
    }
    case WM_CLOSE:
      window_events::closeRequest();
      return 0;
    case WM_KEYDOWN:
      window_events::keyDown(wParam);
      return 0;
    case WM_CHAR:
      window_events::character(wParam);
      return 0;
    case WM_MOUSEMOVE:
      window_events::mouseMove(static_cast<uint64_t>(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      window_events::leftButton(message == WM_LBUTTONDOWN);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      window_events::rightButton(message == WM_RBUTTONDOWN);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

namespace platform {

void registerWindowClass() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = static_cast<HINSTANCE>(ProgramInstance());
  windowClass.hIcon = LoadIconA(nullptr, IDI_WINLOGO);
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
}

WindowMetrics readWindowMetrics() {
  WindowMetrics metrics;
  metrics.frameBorderWidth = static_cast<int16_t>(GetSystemMetrics(SM_CXFIXEDFRAME));
  metrics.frameBorderHeight = static_cast<int16_t>(GetSystemMetrics(SM_CYFIXEDFRAME));
  metrics.captionHeight = static_cast<int16_t>(GetSystemMetrics(SM_CYCAPTION));
  RECT desktop = {};
  GetWindowRect(GetDesktopWindow(), &desktop);
  metrics.desktopWidth = static_cast<int16_t>(desktop.right);
  metrics.desktopHeight = static_cast<int16_t>(desktop.bottom);
  return metrics;
}

WindowHandle createWindow(const char* title, int x, int y, int outerWidth, int outerHeight) {
  return CreateWindowExA(0, kClassName, title, WS_SYSMENU | WS_MINIMIZEBOX, x, y, outerWidth,
                         outerHeight, nullptr, nullptr, static_cast<HINSTANCE>(ProgramInstance()),
                         nullptr);
}

void updateWindow(WindowHandle window) {
  UpdateWindow(handle(window));
}

void showWindow(WindowHandle window) {
  ShowWindow(handle(window), SW_SHOW);
}

void hideWindow(WindowHandle window) {
  ShowWindow(handle(window), SW_HIDE);
}

void restyleWindow(WindowHandle window) {
  SetWindowLongA(handle(window), GWL_STYLE, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
}

void moveWindow(WindowHandle window, int x, int y, int outerWidth, int outerHeight) {
  MoveWindow(handle(window), x, y, outerWidth, outerHeight, FALSE);
}

void destroyWindow(WindowHandle window) {
  DestroyWindow(handle(window));
}

void minimiseWindow(WindowHandle window) {
  CloseWindow(handle(window));
}

void setWindowTitle(WindowHandle window, const char* title) {
  SetWindowTextA(handle(window), title);
}

bool dispatchWaitingMessages() {
  bool any = false;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    any = true;
    // A WM_QUIT taken here is dropped: only the quit flag ends the program.
    if (GetMessageA(&message, nullptr, 0, 0) != 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return any;
}

void waitForMessage(int milliseconds) {
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(milliseconds), QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

}  // namespace platform
