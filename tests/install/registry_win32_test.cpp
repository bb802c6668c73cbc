#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "install/settings.h"

namespace {

// A product of its own, so the game's real key is never touched.
constexpr const char* kProduct = "Tarvex League 3 Settings Test";
constexpr const char* kKey = "Software\\Quorvane Studios Ltd\\Tarvex League 3 Settings Test";

class Win32SettingsTest : public testing::Test {
 protected:
  void TearDown() override {
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_32KEY, 0);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_64KEY, 0);
  }

  static bool keyExistsIn(REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
      return false;
    RegCloseKey(key);
    return true;
  }

  static void storeRaw(const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Location", 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
  }

  char buffer[200] = {};
};

// The game's 32-bit setup writes to the 32-bit view; a 64-bit installer must
// read and write exactly there.
TEST_F(Win32SettingsTest, SettingsLiveInThe32BitViewAndEndInsideTheField) {
  ASSERT_TRUE(writeSetting(kProduct, "Version", "Version 3.03e (ENG,FRA,POR,ITA)"));
  EXPECT_TRUE(keyExistsIn(KEY_WOW64_32KEY));
  EXPECT_FALSE(keyExistsIn(KEY_WOW64_64KEY));
  ASSERT_TRUE(readSetting(kProduct, "Version", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Version 3.03e (ENG,FRA,POR,ITA)");
  EXPECT_FALSE(readSetting(kProduct, "Location", buffer, sizeof buffer));

  // A string stored without its zero ends inside the field.
  storeRaw(std::string(199, 'a'));
  std::memset(buffer, 'x', sizeof buffer);
  ASSERT_TRUE(readSetting(kProduct, "Location", buffer, sizeof buffer));
  EXPECT_EQ(std::string(buffer), std::string(199, 'a'));
  storeRaw(std::string(200, 'a'));
  EXPECT_FALSE(readSetting(kProduct, "Location", buffer, sizeof buffer));
  EXPECT_EQ(buffer[199], '\0');
}

}  // namespace
