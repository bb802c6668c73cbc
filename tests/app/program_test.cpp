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

// The usage goes to the console the installer was started from, or else into
// one box; a silent run never shows a box.
TEST(UsageTest, OnTheConsoleOrInOneBoxButNeverInABoxWhenSilent) {
  const struct {
    const char* line;
    bool console;
    bool shown;
  } cases[] = {{"/?", true, true},
               {"-HELP", false, true},
               {"/silent /help", true, true},
               {"/silent /?", false, false}};
  for (const auto& c : cases) {
    headless::setParentConsole(c.console);
    headless::resetConsoleOutput();
    headless::resetMessageLog();
    EXPECT_EQ(runProgram(nullptr, nullptr, c.line), 0) << c.line;
    const std::string shown = c.console || headless::messageLog().empty()
                                  ? headless::consoleOutput()
                                  : headless::messageLog()[0].text;
    EXPECT_EQ(shown.find("/keepquickstart") != std::string::npos, c.shown) << c.line;
    EXPECT_EQ(headless::messageLog().size(), c.shown && !c.console ? 1u : 0u) << c.line;
  }
  headless::setParentConsole(true);
}

}  // namespace
