#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/update_version.h"

// What the file's properties and the elevation prompt read. The test program
// carries the same compiled resources as the installer.
namespace {

TEST(VersionResourceTest, TheExecutableNamesItsMakerProductAndVersion) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::vector<char> info(GetFileVersionInfoSizeA(path, nullptr));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  char numbers[32];
  std::snprintf(numbers, sizeof(numbers), "%u.%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
                LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                LOWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  const std::pair<const char*, std::string> texts[] = {
      {"CompanyName", "Quorvane Studios Ltd"},
      {"ProductName", "Tarvex League 3"},
      {"FileDescription", "Tarvex League 3 Update"},
      {"OriginalFilename", "tx3inst.exe"},
      {"FileVersion", numbers},
      {"ProductVersion", UPDATE_VERSION_NAME}};
  for (const auto& [name, text] : texts) {
    char* value = nullptr;
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    ASSERT_TRUE(
        VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
        << name;
    EXPECT_EQ(value, text) << name;
  }
  EXPECT_STREQ(numbers, "3.3.0.5");

  // The manifest declares the same version and the awareness of display scales.
  HRSRC manifest = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(nullptr, manifest))),
                         SizeofResource(nullptr, manifest));
  EXPECT_NE(text.find(std::string("version=\"") + numbers + "\""), std::string::npos);
  EXPECT_NE(text.find(">true/pm<"), std::string::npos);
}

}  // namespace
