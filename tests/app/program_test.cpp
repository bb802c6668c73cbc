#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/program.h"
#include "app/tx3inst.h"
#include "archive/archive_table.h"
#include "platform/headless/headless.h"
#include "platform/qvio.h"
#include "support/temp_folder.h"
#include "support/exit_code.h"

namespace {

struct Screen : QVIO {
  bool Redraw() override { return true; }
  bool Step() override { return false; }
};

TEST(ScreenTest, ASecondScreenEndsTheProcessWithItsMessage) {
  Screen first;
  EXPECT_EXIT(Screen second, exitedWithMinusOne(), "Second QVIO class declared\\.");
}

TEST(ScreenTest, AnotherScreenMayFollowOnceTheFirstIsGone) {
  {
    Screen first;
    EXPECT_EQ(QVIO::instance(), &first);
    EXPECT_EQ(first.width(), 0);
    EXPECT_EQ(first.height(), 0);
  }
  EXPECT_EQ(QVIO::instance(), nullptr);
  Screen next;
  EXPECT_EQ(QVIO::instance(), &next);
}

TEST(CommandLineTest, ThePackerSwitchIsACaseSensitiveSubstring) {
  EXPECT_TRUE(isPackerCommandLine("-pack"));
  EXPECT_TRUE(isPackerCommandLine("x-packed"));
  EXPECT_TRUE(isPackerCommandLine("/quiet -pack now"));
  EXPECT_FALSE(isPackerCommandLine("-PACK"));
  EXPECT_FALSE(isPackerCommandLine("pack"));
  EXPECT_FALSE(isPackerCommandLine(""));
  EXPECT_FALSE(isPackerCommandLine(nullptr));
}

class PackerModeTest : public testing::Test {
 protected:
  void SetUp() override { headless::resetMessageLog(); }

  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
};

TEST_F(PackerModeTest, FailureIsOneBoxAndExitCodeZero) {
  EXPECT_EQ(runProgram(nullptr, nullptr, "-pack"), 0);
  ASSERT_EQ(headless::messageLog().size(), 1u);
  EXPECT_EQ(headless::messageLog()[0].caption, "Setup");
  EXPECT_EQ(headless::messageLog()[0].text, "Unable to pack files");
  EXPECT_EQ(QVIO::instance(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "update.dat"));
}

TEST_F(PackerModeTest, SuccessIsOneBoxAndExitCodeZero) {
  for (int i = 0; i < kArchiveEntryCount; ++i)
    if (!isReadmeEntry(i)) writeFile(folder_ / ArchiveEntryTable[i].fileName, "body");
  EXPECT_EQ(runProgram(nullptr, nullptr, "x-packed"), 0);
  ASSERT_EQ(headless::messageLog().size(), 1u);
  EXPECT_EQ(headless::messageLog()[0].caption, "Setup");
  EXPECT_EQ(headless::messageLog()[0].text, "Packed files successfully !");
  EXPECT_EQ(std::filesystem::file_size(folder_ / "update.dat"), 144u + 35u * 4u);
}

}  // namespace
