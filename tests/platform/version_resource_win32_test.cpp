#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// What the file's properties and the elevation prompt read. The test program
// carries the same compiled resources as the installer.
namespace {

TEST(VersionResourceTest, TheExecutableNamesItsMakerProductAndVersion) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::vector<char> info(GetFileVersionInfoSizeA(path, nullptr));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()));
  const auto query = [&info](const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    return VerQueryValueA(info.data(), name.c_str(), &value, &length) ? value : nullptr;
  };
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query("\\"));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(std::make_pair(fixed->dwFileVersionMS, fixed->dwFileVersionLS),
            std::make_pair(DWORD{0x30003}, DWORD{0x5}));
  for (const auto& [name, text] :
       {std::pair<const char*, const char*>{"CompanyName", "Quorvane Studios Ltd"},
        {"ProductName", "Tarvex League 3"},
        {"FileDescription", "Tarvex League 3 Update"},
        {"OriginalFilename", "tx3inst.exe"},
        {"FileVersion", "3.3.0.5"},
        {"ProductVersion", "3.03e"}})
    EXPECT_STREQ(
        static_cast<const char*>(query(std::string("\\StringFileInfo\\040904B0\\") + name)), text)
        << name;

  // The manifest declares the same version and the awareness of display scales.
  HRSRC manifest = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(nullptr, manifest))),
                         SizeofResource(nullptr, manifest));
  EXPECT_NE(text.find("version=\"3.3.0.5\""), std::string::npos);
  EXPECT_NE(text.find(">true/pm<"), std::string::npos);
}

}  // namespace
