#include "platform/win32/ole_libraries.h"

#include "platform/win32/system_library.h"

namespace {

template <typename Function>
bool find(HMODULE library, const char* name, Function& function) {
  if (library == nullptr) return false;
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return function != nullptr;
}

// Calls into the server arrive through the window's message queue, as in
// any single-threaded apartment; the pump that serves the window serves them.
bool startObjectSystem() {
  using Initialize = HRESULT(WINAPI*)(void*, DWORD);
  Initialize initialize = nullptr;
  if (!find(loadSystemLibrary("ole32.dll"), "CoInitializeEx", initialize)) return false;
  // Already started on this thread, in either model, is as good.
  const HRESULT started = initialize(nullptr, COINIT_APARTMENTTHREADED);
  return SUCCEEDED(started) || started == RPC_E_CHANGED_MODE;
}

bool load(OleLibraries& libraries) {
  const HMODULE accessibility = loadSystemLibrary("oleacc.dll");
  return find(accessibility, "LresultFromObject", libraries.lresultFromObject) &&
         find(accessibility, "AccessibleObjectFromWindow", libraries.accessibleObjectFromWindow) &&
         find(loadSystemLibrary("oleaut32.dll"), "SysAllocString", libraries.allocString) &&
         startObjectSystem();
}

}  // namespace

const OleLibraries* oleLibraries() {
  static OleLibraries libraries = {};
  static const bool loaded = load(libraries);
  return loaded ? &libraries : nullptr;
}
