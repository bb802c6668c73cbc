#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/install_sequence.h"
#include "app/installation.h"
#include "app/quick_start.h"
#include "app/tx3inst.h"
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

  std::optional<std::string> recordedVersion() const {
    return headless::registryValue(kGameKey, "Version");
  }

  TX3INST wizard;
};

TEST_F(InstallSequenceTest, WholeUpdateInstallsEveryEntryAndRecordsTheVersion) {
  writeFile(game("data/club.dat"), std::string(100000, 'o'));  // longer than the new body
  writeFile(game("tx3.icd"), "cache");
  fs::permissions(game("tx3.icd"), fs::perms::owner_write, fs::perm_options::remove);
  fs::permissions(game("data/club.dat"), fs::perms::owner_write, fs::perm_options::remove);

  EXPECT_EQ(installUntilStopped(), 38);
  EXPECT_EQ(wizard.page, PAGE_COMPLETED);
  expectInstalled(0, 35);
  EXPECT_EQ(readFile(game("readme.txt")), readme("eng"));
  EXPECT_FALSE(fs::exists(update("readme_eng.txt")));
  EXPECT_FALSE(fs::exists(game("tx3.icd")));
  EXPECT_EQ(recordedVersion(), std::string("Version 3.03e (ENG,FRA,POR,ITA)") + '\0');
  // The folder the user may have typed is never recorded.
  EXPECT_EQ(headless::registryValue(kGameKey, "Location"), game().string() + '\0');
}

TEST_F(InstallSequenceTest, QuickStartFilesAreOfferedForDeletion) {
  fs::create_directories(game("qstart"));
  writeFile(game("qstart/league.qst"), "old");
  writeFile(game("qstart/cup.qst"), "old");
  writeFile(game("qstart/notes.txt"), "keep");
  fs::permissions(game("qstart/cup.qst"), fs::perms::owner_write, fs::perm_options::remove);

  installUntilStopped();
  EXPECT_EQ(wizard.page, PAGE_QUICKSTART);
  EXPECT_TRUE(clearQuickStart(wizard.installDir, false));
  EXPECT_TRUE(clearQuickStart(wizard.installDir, true));
  EXPECT_FALSE(fs::exists(game("qstart/league.qst")));
  EXPECT_FALSE(fs::exists(game("qstart/cup.qst")));
  EXPECT_TRUE(fs::exists(game("qstart/notes.txt")));
  EXPECT_FALSE(clearQuickStart(wizard.installDir, false));
  EXPECT_TRUE(clearQuickStart(wizard.installDir, true));
}

TEST_F(InstallSequenceTest, BadSourcesStopBeforeAnythingIsTouched) {
  const std::string archive = readFile(update("update.dat"));
  const auto expectSourceErrorAtOnce = [&](const char* what) {
    wizard.page = PAGE_INSTALLING;
    wizard.installStep = 0;
    EXPECT_EQ(installUntilStopped(), 1) << what;
    EXPECT_EQ(wizard.page, PAGE_SOURCE_ERROR) << what;
    EXPECT_EQ(readFile(game("tx3.exe")), "old program") << what;
    EXPECT_FALSE(fs::exists(game("data/euro.cfg"))) << what;
  };
  fs::remove(update("update.dat"));
  expectSourceErrorAtOnce("archive missing");
  writeFile(update("update.dat"), archive.substr(0, archive.size() - 1));
  expectSourceErrorAtOnce("archive cut short");
  writeFile(update("update.dat"), archive + "x");
  expectSourceErrorAtOnce("archive too long");
  writeFile(update("update.dat"), archive.substr(0, 100));
  expectSourceErrorAtOnce("size table cut short");
  std::string negative = archive;
  negative.replace(4, 4, "\xff\xff\xff\xff");
  negative += std::string(static_cast<size_t>(bodies[1].size()) - 1, 'n');
  writeFile(update("update.dat"), negative);
  expectSourceErrorAtOnce("negative size");
  writeFile(update("update.dat"), archive);
  fs::remove(update("readme_eng.txt"));
  expectSourceErrorAtOnce("readme missing");
  EXPECT_FALSE(recordedVersion() == std::string("Version 3.03e (ENG,FRA,POR,ITA)") + '\0');
}

TEST_F(InstallSequenceTest, ArchiveFaultWhileCopyingShowsTheSourceError) {
  performInstallationStep(wizard);  // the sources are fine at first
  const std::string archive = readFile(update("update.dat"));
  writeFile(update("update.dat"), archive.substr(0, 200));
  installUntilStopped();
  EXPECT_EQ(wizard.page, PAGE_SOURCE_ERROR);
  EXPECT_EQ(wizard.installStep, 1);  // tx3.exe, whose body was cut
}

TEST_F(InstallSequenceTest, WriteFaultResumesAtTheEntryThatFailed) {
  fs::remove_all(game("data"));
  installUntilStopped();
  EXPECT_EQ(wizard.page, PAGE_WRITE_ERROR);
  EXPECT_EQ(wizard.installStep, 2);  // euro.cfg, the first entry in the data folder
  expectInstalled(0, 0);
  EXPECT_FALSE(recordedVersion() == std::string("Version 3.03e (ENG,FRA,POR,ITA)") + '\0');

  // Entries already installed are not installed again.
  writeFile(game("tx3.exe"), "changed meanwhile");
  fs::create_directories(game("data"));
  wizard.page = PAGE_INSTALLING;
  EXPECT_EQ(installUntilStopped(), 36);  // entries 1 to 35 and the finish
  EXPECT_EQ(wizard.page, PAGE_COMPLETED);
  EXPECT_EQ(readFile(game("tx3.exe")), "changed meanwhile");
  expectInstalled(1, 35);
}

TEST_F(InstallSequenceTest, UnwritablePicturesListIsPassedOver) {
  fs::remove_all(game("pictures"));
  EXPECT_EQ(installUntilStopped(), 38);
  EXPECT_EQ(wizard.page, PAGE_COMPLETED);
  expectInstalled(7, 35);
}

TEST_F(InstallSequenceTest, ReadmeThatCannotBeMovedIsAWriteFault) {
  fs::create_directories(game("readme.txt/in the way"));
  installUntilStopped();
  EXPECT_EQ(wizard.page, PAGE_WRITE_ERROR);
  EXPECT_EQ(wizard.installStep, 35);
  EXPECT_TRUE(fs::exists(update("readme_eng.txt")));
}

TEST_F(InstallSequenceTest, SecondRunNeedsAnotherLanguagesReadme) {
  installUntilStopped();
  ASSERT_EQ(wizard.page, PAGE_COMPLETED);

  const auto runAgainIn = [&](int32_t language) {
    wizard.language = language;
    wizard.installStep = 0;
    lookUpInstallation(wizard);
    EXPECT_STREQ(wizard.installedVersion, "Version 3.03e (ENG,FRA,POR,ITA)");
    wizard.page = PAGE_INSTALLING;
    installUntilStopped();
  };
  runAgainIn(0);  // the English readme was moved away by the first run
  EXPECT_EQ(wizard.page, PAGE_SOURCE_ERROR);
  runAgainIn(2);
  EXPECT_EQ(wizard.page, PAGE_COMPLETED);
  EXPECT_EQ(readFile(game("readme.txt")), readme("fra"));
}

}  // namespace
