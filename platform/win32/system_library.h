#pragma once

#include <windows.h>

// How a library is loaded: LoadLibraryExA, or a stand-in in tests.
using LoadLibraryCall = HMODULE(WINAPI*)(LPCSTR name, HANDLE file, DWORD flags);

// Loads a library of the system's own folder, never one planted beside the
// installer in a download folder. Windows 7 without its loader update refuses
// to search System32 alone; the library is then loaded by its full path
// there, and the libraries it needs are looked for beside it. Null when it
// cannot be loaded.
HMODULE loadSystemLibrary(const char* name, LoadLibraryCall load = LoadLibraryExA);
