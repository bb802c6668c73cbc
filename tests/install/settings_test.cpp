#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "install/settings.h"
#include "platform/headless/registry.h"

namespace {

constexpr const char* kKey = "Software\\Quorvane Studios Ltd\\Tarvex League 3";

class SettingsTest : public testing::Test {
 protected:
  void TearDown() override { headless::clearRegistry(); }
  char buffer[200] = {};
};

TEST_F(SettingsTest, ValueMustEndWithinTheField) {
  // Stored without a terminating zero: 199 characters leave room for one.
  headless::setRegistryValue(kKey, "Location", std::string(199, 'a'));
  std::memset(buffer, 'x', sizeof buffer);
  ASSERT_TRUE(readSetting("Tarvex League 3", "Location", buffer, sizeof buffer));
  EXPECT_EQ(std::string(buffer), std::string(199, 'a'));

  headless::setRegistryValue(kKey, "Location", std::string(199, 'b') + '\0');  // fills it
  ASSERT_TRUE(readSetting("Tarvex League 3", "Location", buffer, sizeof buffer));
  EXPECT_EQ(std::string(buffer), std::string(199, 'b'));
  headless::setRegistryValue(kKey, "Location", std::string(200, 'a'));
  EXPECT_FALSE(readSetting("Tarvex League 3", "Location", buffer, sizeof buffer));
  EXPECT_EQ(buffer[199], '\0');
  headless::setRegistryValue(kKey, "Location", std::string(200, 'a') + '\0');
  EXPECT_FALSE(readSetting("Tarvex League 3", "Location", buffer, sizeof buffer));
}

// Writing is checked by the whole update; reading must not need the right to write.
TEST_F(SettingsTest, ReadingNeedsNoWriteAccess) {
  headless::setRegistryValue(kKey, "Version", std::string("Version 3.03e", 14));
  EXPECT_FALSE(readSetting("Another Game", "Version", buffer, sizeof buffer));
  headless::setRegistryWritable(false);
  ASSERT_TRUE(readSetting("Tarvex League 3", "Version", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Version 3.03e");
  EXPECT_FALSE(readSetting("Tarvex League 3", "Location", buffer, sizeof buffer));
  EXPECT_FALSE(writeSetting("Tarvex League 3", "Version", "new"));
  EXPECT_EQ(headless::registryValue(kKey, "Version"), std::string("Version 3.03e", 14));
}

}  // namespace
