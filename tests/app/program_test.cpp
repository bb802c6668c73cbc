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

// The usage goes to standard output when that is redirected, else to the
// console the installer was started from, or else into one box; a silent run
// without either shows nothing (see the silent runs).
TEST(UsageTest, IntoTheRedirectedOutputOnTheParentConsoleOrInOneBox) {
  enum Where { kRedirected, kConsole, kBox };
  for (const Where where : {kRedirected, kConsole, kBox}) {
    headless::setOutputRedirected(where == kRedirected);
    headless::setParentConsole(where != kBox);
    headless::resetRedirectedOutput();
    headless::resetConsoleOutput();
    headless::resetMessageLog();
    EXPECT_EQ(runProgram(nullptr, nullptr, where == kRedirected ? "/silent /help" : "-HELP"), 0);
    const std::string shown[] = {
        headless::redirectedOutput(), headless::consoleOutput(),
        headless::messageLog().empty() ? "" : headless::messageLog()[0].text};
    for (const Where place : {kRedirected, kConsole, kBox})
      EXPECT_EQ(shown[place].find("/keepquickstart") != std::string::npos, place == where) << where;
  }
  headless::setParentConsole(true);  // the box's turn came last: nothing is redirected
}

}  // namespace
