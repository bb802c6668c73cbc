#include <windows.h>

#include "platform/registry.h"

// The game is a 32-bit program: its key lives in the registry's 32-bit view,
// which a 64-bit process reaches only with KEY_WOW64_32KEY.
namespace platform {

bool readRegistryValue(const char* keyPath, const char* name, char* buffer, uint32_t& length) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
      ERROR_SUCCESS)
    return false;
  DWORD size = length;
  const LONG status =
      RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return false;
  length = size;
  return true;
}

bool writeRegistryString(const char* keyPath, const char* name, const char* text) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const DWORD size = static_cast<DWORD>(lstrlenA(text) + 1);
  // The value must be on the disk before the program goes on: an update
  // records its version only once its files are there.
  const bool stored = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                     size) == ERROR_SUCCESS &&
                      RegFlushKey(key) == ERROR_SUCCESS;
  RegCloseKey(key);
  return stored;
}

}  // namespace platform
