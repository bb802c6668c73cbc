#include <gtest/gtest.h>

#include <string>

#include "app/installation.h"
#include "app/tx3inst.h"
#include "app/wizard_page.h"
#include "platform/headless/registry.h"
#include "update_fixture.h"

namespace {

class LookUpTest : public UpdateFixture {
 protected:
  int16_t lookUp() {
    lookUpInstallation(wizard);
    return wizard.page;
  }
  TX3INST wizard;
};

TEST_F(LookUpTest, FoundInstallationShowsTheVersions) {
  EXPECT_EQ(lookUp(), PAGE_VERSIONS);
  EXPECT_STREQ(wizard.installedVersion, "Version 3.02 (ENG)");
  EXPECT_EQ(std::string(wizard.installDir), game().string());

  headless::setRegistryValue(kGameKey, "Version", std::string(1, '\0'));
  EXPECT_EQ(lookUp(), PAGE_VERSIONS);
  EXPECT_STREQ(wizard.installedVersion, "");
}

TEST_F(LookUpTest, EachMissingPieceShowsNotFound) {
  std::filesystem::remove(game("tx3.exe"));
  EXPECT_EQ(lookUp(), PAGE_NOT_FOUND);
  writeFile(game("tx3.exe"), "program");
  for (const char* value : {"Location", "Version"}) {
    const auto stored = headless::registryValue(kGameKey, value);
    headless::removeRegistryValue(kGameKey, value);
    EXPECT_EQ(lookUp(), PAGE_NOT_FOUND) << value;
    headless::setRegistryValue(kGameKey, value, *stored);
  }
  EXPECT_EQ(lookUp(), PAGE_VERSIONS);
}

}  // namespace
