#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/program.h"
#include "app/tx3inst.h"
#include "archive/archive_table.h"
#include "platform/headless/headless.h"
#include "support/exit_code.h"
#include "support/temp_folder.h"
#include "support/test_screen.h"

namespace {

TEST(ScreenTest, ASecondScreenEndsTheProcessWithItsMessage) {
  TestScreen first;
  EXPECT_EXIT(TestScreen second, exitedWithMinusOne(), "Second QVIO class declared\\.");
}

TEST(ScreenTest, AnotherScreenMayFollowOnceTheFirstIsGone) {
  {
    TestScreen first;
    EXPECT_EQ(QVIO::instance(), &first);
  }
  EXPECT_EQ(QVIO::instance(), nullptr);
  TestScreen next;
  EXPECT_EQ(QVIO::instance(), &next);
}

TEST(CommandLineTest, ThePackerSwitchIsACaseSensitiveSubstring) {
  for (const char* line : {"-pack", "x-packed", "/quiet -pack now"})
    EXPECT_TRUE(isPackerCommandLine(line)) << line;
  for (const char* line : {"-PACK", "pack", ""}) EXPECT_FALSE(isPackerCommandLine(line)) << line;
  EXPECT_FALSE(isPackerCommandLine(nullptr));
}

// Packing reports in one box, whatever the outcome, and ends with exit code 0.
TEST(PackerModeTest, EitherOutcomeIsOneBoxAndExitCodeZero) {
  TempFolder folder;
  CurrentFolder inFolder(folder.path());
  for (const bool bodiesPresent : {false, true}) {
    headless::resetMessageLog();
    for (int i = 0; bodiesPresent && i < kArchiveEntryCount; ++i)
      if (!isReadmeEntry(i)) writeFile(folder / ArchiveEntryTable[i].fileName, "body");
    EXPECT_EQ(runProgram(nullptr, nullptr, "x-packed"), 0);
    ASSERT_EQ(headless::messageLog().size(), 1u);
    EXPECT_EQ(headless::messageLog()[0].caption, "Setup");
    EXPECT_EQ(headless::messageLog()[0].text,
              bodiesPresent ? "Packed files successfully !" : "Unable to pack files");
    EXPECT_EQ(QVIO::instance(), nullptr);
    EXPECT_EQ(std::filesystem::exists(folder / "update.dat"), bodiesPresent);
  }
  EXPECT_EQ(std::filesystem::file_size(folder / "update.dat"), 144u + 35u * 4u);
}

// Without its fonts the wizard says so in one box and ends after its first turn.
TEST(WizardModeTest, MissingFontsEndTheWizardWithOneBox) {
  TempFolder folder;
  CurrentFolder inFolder(folder.path());
  headless::resetMessageLog();
  EXPECT_EQ(runProgram(nullptr, nullptr, ""), 0);
  ASSERT_EQ(headless::messageLog().size(), 1u);
  EXPECT_EQ(headless::messageLog()[0].caption, "Error");
  EXPECT_EQ(headless::messageLog()[0].text, "Unable to open graphics");
}

}  // namespace
