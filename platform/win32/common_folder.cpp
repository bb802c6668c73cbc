#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

#include <cstring>

#include "platform/common_folder.h"

namespace platform {

bool commonDataFolder(char* buffer, int room) {
  char folder[MAX_PATH];
  if (SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK)
    return false;
  const size_t length = std::strlen(folder);
  if (length + 1 > static_cast<size_t>(room)) return false;
  std::memcpy(buffer, folder, length + 1);
  return true;
}

}  // namespace platform
