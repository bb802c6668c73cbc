// A screen reader's view of the installer, from another process:
//
//   accessibility_client [PRESS_NAME WAIT_FOR_NAME]...
//
// Lists the client area of the window of class "main" and its children;
// then, for each pair, presses the child named PRESS_NAME through its
// default action, waits until a child named WAIT_FOR_NAME appears and lists
// the children again. Prints "client ROLE NAME", one "child ID ROLE STATE
// LEFT TOP WIDTH HEIGHT NAME|VALUE|ACTION" per child, "pressed ID RESULT",
// and "event EVENT CHILD" for each accessibility event of the client area,
// all in UTF-8.
#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <cstdio>
#include <string>

namespace {

// The import library's IID_IAccessible is an import thunk when linked
// statically; the identity is written out instead.
constexpr GUID kAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

VARIANT childId(LONG id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

// One of the texts of the object or a child, such as get_accName.
std::string text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible* object,
                 LONG id) {
  BSTR value = nullptr;
  char out[1024] = {};
  if (SUCCEEDED((object->*get)(childId(id), &value)) && value != nullptr)
    WideCharToMultiByte(CP_UTF8, 0, value, -1, out, sizeof out, nullptr, nullptr);
  SysFreeString(value);
  return out;
}

LONG number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible* object,
            LONG id) {
  VARIANT result;
  VariantInit(&result);
  return SUCCEEDED((object->*get)(childId(id), &result)) && result.vt == VT_I4 ? result.lVal : -1;
}

LONG childCount(IAccessible* object) {
  LONG count = 0;
  return SUCCEEDED(object->get_accChildCount(&count)) ? count : -1;
}

void list(IAccessible* object) {
  std::printf("client %ld %s\n", number(&IAccessible::get_accRole, object, CHILDID_SELF),
              text(&IAccessible::get_accName, object, CHILDID_SELF).c_str());
  for (LONG id = 1; id <= childCount(object); ++id) {
    LONG left = 0, top = 0, width = 0, height = 0;
    object->accLocation(&left, &top, &width, &height, childId(id));
    std::printf("child %ld %ld %ld %ld %ld %ld %ld %s|%s|%s\n", id,
                number(&IAccessible::get_accRole, object, id),
                number(&IAccessible::get_accState, object, id), left, top, width, height,
                text(&IAccessible::get_accName, object, id).c_str(),
                text(&IAccessible::get_accValue, object, id).c_str(),
                text(&IAccessible::get_accDefaultAction, object, id).c_str());
  }
}

LONG findChild(IAccessible* object, const char* wanted) {
  for (LONG id = 1; id <= childCount(object); ++id)
    if (text(&IAccessible::get_accName, object, id) == wanted) return id;
  return 0;
}

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) std::printf("event %04lx %ld\n", event, child);
}

// Waits a while for events, serving this thread's messages.
void pump(DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 20) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(20);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc % 2 != 1) {
    std::fprintf(stderr, "usage: accessibility_client [PRESS_NAME WAIT_FOR_NAME]...\n");
    return 2;
  }
  CoInitialize(nullptr);
  HWND window = FindWindowA("main", nullptr);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, onEvent, process, 0, WINEVENT_OUTOFCONTEXT);
  IAccessible* client = nullptr;
  const HRESULT found = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                   kAccessible, reinterpret_cast<void**>(&client));
  if (window == nullptr || FAILED(found) || client == nullptr) {
    std::printf("no accessible client: %08lx\n", static_cast<unsigned long>(found));
    return 1;
  }
  list(client);
  for (int step = 1; step + 1 < argc; step += 2) {
    const LONG pressed = findChild(client, argv[step]);
    std::printf("pressed %ld %08lx\n", pressed,
                static_cast<unsigned long>(client->accDoDefaultAction(childId(pressed))));
    for (int tries = 0; tries < 100 && findChild(client, argv[step + 1]) == 0; ++tries) pump(100);
    pump(300);
    list(client);
  }
  client->Release();
  UnhookWinEvent(hook);
  CoUninitialize();
  return 0;
}
