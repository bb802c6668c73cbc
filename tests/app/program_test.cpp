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

// Without /silent every mode ends with exit code 0 and tells in one box how
// it went: the packer with or without its files, the wizard without fonts.
TEST(ModesTest, EachEndsWithZeroAndOneBoxWhateverTheOutcome) {
  TempFolder folder;
  CurrentFolder inFolder(folder.path());
  const struct {
    const char* line;
    bool bodies;
    const char* caption;
    const char* text;
  } cases[] = {{"x-packed", false, "Setup", "Unable to pack files"},
               {"x-packed", true, "Setup", "Packed files successfully !"},
               {"", true, "Error", "Unable to open graphics"}};
  for (const auto& c : cases) {
    headless::resetMessageLog();
    for (int i = 0; c.bodies && i < kArchiveEntryCount; ++i)
      if (!isReadmeEntry(i)) writeFile(folder / ArchiveEntryTable[i].fileName, "body");
    EXPECT_EQ(runProgram(nullptr, nullptr, c.line), 0);
    ASSERT_EQ(headless::messageLog().size(), 1u);
    EXPECT_EQ(headless::messageLog()[0].caption, c.caption);
    EXPECT_EQ(headless::messageLog()[0].text, c.text);
    EXPECT_EQ(QVIO::instance(), nullptr);
  }
  EXPECT_EQ(std::filesystem::file_size(folder / "update.dat"), 144u + 35u * 4u);
}

// The usage goes to the console the installer was started from, or else into
// one box; a silent run without a console shows nothing (see the silent runs).
TEST(UsageTest, OnTheParentConsoleOrInOneBox) {
  for (const bool console : {true, false}) {
    headless::setParentConsole(console);
    headless::resetConsoleOutput();
    headless::resetMessageLog();
    EXPECT_EQ(runProgram(nullptr, nullptr, console ? "/silent /help" : "-HELP"), 0);
    ASSERT_EQ(headless::messageLog().size(), console ? 0u : 1u);
    const std::string shown = console ? headless::consoleOutput() : headless::messageLog()[0].text;
    EXPECT_NE(shown.find("/keepquickstart"), std::string::npos) << console;
  }
  headless::setParentConsole(true);
}

}  // namespace
