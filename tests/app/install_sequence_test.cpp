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

TEST_F(InstallSequenceTest, WholeUpdateInstallsEveryEntryOnceInEachLanguage) {
  writeFile(game("data/club.dat"), std::string(100000, 'o'));  // longer than the new body
  writeFile(game("tx3.icd"), "cache");
  fs::permissions(game("tx3.icd"), fs::perms::owner_write, fs::perm_options::remove);
  fs::permissions(game("data/club.dat"), fs::perms::owner_write, fs::perm_options::remove);

  EXPECT_EQ(installUntilStopped(), 38);
  EXPECT_EQ(wizard.page, PAGE_COMPLETED);
  expectInstalled(0, 35);
  EXPECT_FALSE(fs::exists(game("tx3.icd")));
  EXPECT_EQ(headless::registryValue(kGameKey, "Version"),
            std::string("Version 3.03e (ENG,FRA,POR,ITA)") + '\0');
  // The folder the user may have typed is never recorded.
  EXPECT_EQ(headless::registryValue(kGameKey, "Location"), game().string() + '\0');

  // The English readme was moved away: a second run needs another language's.
  for (const int32_t language : {0, 2}) {
    wizard.language = language;
    wizard.installStep = 0;
    lookUpInstallation(wizard);
    EXPECT_STREQ(wizard.installedVersion, "Version 3.03e (ENG,FRA,POR,ITA)");
    wizard.page = PAGE_INSTALLING;
    installUntilStopped();
    EXPECT_EQ(wizard.page, language == 0 ? PAGE_SOURCE_ERROR : PAGE_COMPLETED);
  }
  EXPECT_EQ(readFile(game("readme.txt")), readme("fra"));
}

// Each fault of the sources is found before anything is installed.
TEST_F(InstallSequenceTest, BadSourcesStopBeforeAnythingIsTouched) {
  const std::string archive = readFile(update("update.dat"));
  std::string negative = archive;
  negative.replace(4, 4, "\xff\xff\xff\xff");
  negative += std::string(bodies[1].size() - 1, 'n');
  const struct {
    const char* what;
    std::string contents;
  } cases[] = {{"archive cut short", archive.substr(0, archive.size() - 1)},
               {"archive too long", archive + "x"},
               {"size table cut short", archive.substr(0, 100)},
               {"negative size", negative},
               {"archive missing", ""},
               {"readme missing", archive}};
  for (const auto& bad : cases) {
    writeFile(update("update.dat"), bad.contents);
    if (bad.contents.empty()) fs::remove(update("update.dat"));
    if (bad.contents == archive) fs::remove(update("readme_eng.txt"));
    wizard.page = PAGE_INSTALLING;
    wizard.installStep = 0;
    EXPECT_EQ(installUntilStopped(), 1) << bad.what;
    EXPECT_EQ(wizard.page, PAGE_SOURCE_ERROR) << bad.what;
  }
  EXPECT_EQ(readFile(game("tx3.exe")), "old program");
  EXPECT_EQ(headless::registryValue(kGameKey, "Version"), std::string("Release", 8));
}

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

TEST_F(InstallSequenceTest, WriteFaultResumesAtTheEntryThatFailed) {
  fs::remove_all(game("data"));
  installUntilStopped();
  EXPECT_EQ(wizard.page, PAGE_WRITE_ERROR);
  EXPECT_EQ(wizard.installStep, 2);  // euro.cfg, the first entry in the data folder
  expectInstalled(0, 0);

  // Entries already installed are not installed again.
  writeFile(game("tx3.exe"), "changed meanwhile");
  fs::create_directories(game("data"));
  wizard.page = PAGE_INSTALLING;
  EXPECT_EQ(installUntilStopped(), 36);  // entries 1 to 35 and the finish
  EXPECT_EQ(wizard.page, PAGE_COMPLETED);
  EXPECT_EQ(readFile(game("tx3.exe")), "changed meanwhile");
  expectInstalled(1, 35);
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
