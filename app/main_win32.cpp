#include <windows.h>

#include "app/program.h"

namespace {

// An installer is started from download folders: a library planted beside it
// must never be loaded in place of the system's. Looked up at run time so
// that systems without the call still start.
void loadLibrariesOnlyFromSystemFolder() {
  using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto restrictSearch = reinterpret_cast<SetDefaultDllDirectoriesCall>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (restrictSearch != nullptr) restrictSearch(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryA("");
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int) {
  loadLibrariesOnlyFromSystemFolder();
  return runProgram(instance, previousInstance, commandLine);
}
