#include "platform/window.h"

#include <windows.h>

#include "platform/win32/client_accessible.h"
#include "platform/win32/keys.h"
#include "platform/win32/program_instance.h"
#include "platform/window_events.h"

namespace {

constexpr char kClassName[] = "main";

HINSTANCE startedInstance = nullptr;
// The display window's listener; there is one display window at a time.
platform::WindowEvents* listener = nullptr;
// A key went down and no other key message followed yet: a character now is
// the one it typed. TranslateMessage posts that character before the key's
// release; Alt and the numeric keypad type one after keys of their own.
bool keyAwaitsCharacter = false;

HWND handle(platform::WindowHandle window) {
  return static_cast<HWND>(window);
}

int16_t signedWord(WORD word) {
  return static_cast<int16_t>(word);
}

// Decodes the messages the display handles into portable events; the rest go
// to the default handling, which also turns the close box, the system menu
// and Alt+F4 into WM_CLOSE.
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (listener == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
      listener->activated(LOWORD(wParam) != 0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      const RECT& area = paint.rcPaint;
      listener->paint({area.left, area.top, area.right, area.bottom});
      EndPaint(window, &paint);
      return 0;
    }
    case WM_CLOSE:
      listener->closeRequested();
      return 0;
    case WM_KEYDOWN:
      keyAwaitsCharacter = true;
      // The state of Shift as it was when this key went down.
      listener->keyPressed(logicalKeyOf(wParam, GetKeyState(VK_SHIFT) < 0));
      return 0;
    case WM_CHAR:
      listener->characterTyped(static_cast<uint8_t>(wParam & 0xFF), keyAwaitsCharacter);
      keyAwaitsCharacter = false;
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      keyAwaitsCharacter = false;
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_MOUSEMOVE:
      listener->pointerMoved(signedWord(LOWORD(lParam)), signedWord(HIWORD(lParam)));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      listener->buttonChanged(MouseButton::left, message == WM_LBUTTONDOWN);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      listener->buttonChanged(MouseButton::right, message == WM_RBUTTONDOWN);
      return 0;
    case WM_GETOBJECT:
      // Screen readers ask for the client area; the rest is the system's.
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (const LRESULT answer = answerClientObjectRequest(window, wParam)) return answer;
      }
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_DPICHANGED: {
      // Only a message with the system's suggestion attached is decoded.
      if (lParam == 0) return DefWindowProcA(window, message, wParam, lParam);
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      listener->dpiChanged(LOWORD(wParam),
                           {suggested.left, suggested.top, suggested.right - suggested.left,
                            suggested.bottom - suggested.top});
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

HINSTANCE programInstance() {
  return startedInstance;
}

namespace platform {

void rememberProgramInstance(void* instance) {
  startedInstance = static_cast<HINSTANCE>(instance);
}

void registerWindowClass() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = programInstance();
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

WindowHandle createWindow(const char* title, int x, int y, int outerWidth, int outerHeight,
                          WindowEvents& events) {
  // Set first: creating the window already delivers messages.
  listener = &events;
  HWND window = CreateWindowExA(0, kClassName, title, WS_SYSMENU | WS_MINIMIZEBOX, x, y, outerWidth,
                                outerHeight, nullptr, nullptr, programInstance(), nullptr);
  if (window == nullptr) listener = nullptr;
  return window;
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
  listener = nullptr;
}

void minimiseWindow(WindowHandle window) {
  CloseWindow(handle(window));
}

void setWindowTitle(WindowHandle window, const char* title) {
  SetWindowTextA(handle(window), title);
}

void clientAreaSize(WindowHandle window, int& width, int& height) {
  RECT client = {};
  GetClientRect(handle(window), &client);
  width = client.right;
  height = client.bottom;
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
