#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/install_sequence.h"
#include "app/installation.h"
#include "app/tx3inst.h"
#include "app/update_log.h"
#include "app/wizard_page.h"
#include "platform/headless/registry.h"
#include "update_fixture.h"

namespace fs = std::filesystem;

namespace {

class InstallSequenceTest : public UpdateFixture {
 protected:
  void SetUp() override {
    UpdateFixture::SetUp();
    lookUpInstallation(wizard);
    ASSERT_EQ(wizard.page, PAGE_VERSIONS);
    wizard.page = PAGE_INSTALLING;
  }

  // Steps until the installing page is left; the number of steps taken.
  int installUntilStopped() {
    int steps = 0;
    while (wizard.page == PAGE_INSTALLING && steps < 100) {
      performInstallationStep(wizard);
      ++steps;
    }
    return steps;
  }

  TX3INST wizard;
};

TEST_F(InstallSequenceTest, ArchiveFaultWhileCopyingShowsTheSourceError) {
  performInstallationStep(wizard);  // the sources are fine at first
  writeFile(update("update.dat"), readFile(update("update.dat")).substr(0, 200));
  startUpdateLog("u.log");
  installUntilStopped();
  stopUpdateLog();
  EXPECT_EQ(wizard.page, PAGE_SOURCE_ERROR);
  EXPECT_EQ(wizard.installStep, 1);  // tx3.exe, whose body was cut
  // An archive that ends too soon is no error of the system's.
  EXPECT_NE(readFile(update("u.log"))
                .find("update file failed: entry tx3.exe, file update.dat: the file ends too soon"),
            std::string::npos);
}

TEST_F(InstallSequenceTest, UnwritablePicturesListIsPassedOverButAStuckReadmeIsAWriteFault) {
  fs::remove_all(game("pictures"));
  fs::create_directories(game("readme.txt/in the way"));
  installUntilStopped();
  EXPECT_EQ(wizard.page, PAGE_WRITE_ERROR);
  EXPECT_EQ(wizard.installStep, 35);
  expectInstalled(7, 33);
  EXPECT_TRUE(fs::exists(update("readme_eng.txt")));
}

}  // namespace
