#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

// What the accessibility server needs of the system's object libraries.
struct OleLibraries {
  LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN);
  HRESULT(WINAPI* accessibleObjectFromWindow)(HWND, DWORD, REFIID, void**);
  BSTR(WINAPI* allocString)(const OLECHAR*);
};

// Loaded from System32 the first time a screen reader asks, with the object
// system started on this thread, and kept until the program ends. The
// installer imports none of these libraries: one planted beside it in a
// download folder is never loaded, and a user without a screen reader loads
// none of them. Null when one is missing.
const OleLibraries* oleLibraries();

// The accessibility interface's identity, written out here: the one that
// the static import library exports is the address of an import thunk.
inline constexpr GUID kAccessibleInterfaceId = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
