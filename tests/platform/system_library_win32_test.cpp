#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/system_library.h"

namespace {

std::vector<std::string> loads;

// Windows 7 without its loader update: the search flag is an invalid parameter.
HMODULE WINAPI refusingTheSearchFlag(LPCSTR name, HANDLE file, DWORD flags) {
  loads.push_back(std::string(name) + " " + std::to_string(flags));
  if ((flags & LOAD_LIBRARY_SEARCH_SYSTEM32) == 0) return LoadLibraryExA(name, file, flags);
  SetLastError(ERROR_INVALID_PARAMETER);
  return nullptr;
}

TEST(SystemLibraryTest, ARefusedSearchFlagLoadsTheLibraryByItsFullSystemPath) {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const HMODULE library = loadSystemLibrary("oleacc.dll", refusingTheSearchFlag);
  EXPECT_NE(library, nullptr);
  EXPECT_EQ(loads,
            (std::vector<std::string>{"oleacc.dll 2048", std::string(system) + "\\oleacc.dll 8"}));
  EXPECT_EQ(loadSystemLibrary("oleacc.dll"), library);
}

}  // namespace
