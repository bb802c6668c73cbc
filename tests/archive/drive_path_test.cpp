#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "archive/drive_path.h"
#include "platform/headless/files.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class DrivePathTest : public testing::Test {
 protected:
  // A drive path ("X:\...") to a folder inside the test's folder.
  std::string drivePathHere() {
#ifdef _WIN32
    return folder_.path().string();
#else
    fs::create_directory(folder_ / "C:");  // "C:\x" is the relative C:/x here
    return "C:";
#endif
  }

  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
  DRIVE_PATH here_;
};

TEST_F(DrivePathTest, FullPathsAreBackslashJoinedAndRefusedPast499Characters) {
  const std::string base = here_.path();
  EXPECT_EQ(std::string(here_.fullPath("font.fnt")), base + "\\font.fnt");

  const std::string fits(DRIVE_PATH::kPathRoom - 1 - base.size() - 1, 'n');
  char buffer[DRIVE_PATH::kPathRoom];
  EXPECT_TRUE(here_.fullPathOf(fits.c_str(), buffer));
  EXPECT_EQ(std::string(buffer).size(), 499u);
  EXPECT_FALSE(here_.fullPathOf((fits + "n").c_str(), buffer));
  EXPECT_STREQ(here_.fullPath((fits + "n").c_str()), "");
}

TEST_F(DrivePathTest, NavigationChangesThePathOnlyToFoldersThatExist) {
  const std::string base = here_.path();
  fs::create_directories(folder_ / "a" / "b");
  EXPECT_FALSE(here_.enter("missing"));
  EXPECT_EQ(here_.path(), base);
  EXPECT_TRUE(here_.enter("a"));
  EXPECT_TRUE(here_.enter("b"));
  EXPECT_EQ(here_.path(), base + "\\a\\b");
  EXPECT_TRUE(here_.goToParent());
  EXPECT_EQ(here_.path(), base + "\\a");

  EXPECT_TRUE(here_.makeSubdirectory("new", false));
  EXPECT_TRUE(fs::is_directory(folder_ / "a" / "new"));
  EXPECT_EQ(here_.path(), base + "\\a");
  EXPECT_TRUE(here_.makeSubdirectory("new", true));  // already there
  EXPECT_EQ(here_.path(), base + "\\a\\new");

  DRIVE_PATH copy(here_);
  EXPECT_TRUE(here_.setToCurrentDirectory());
  EXPECT_EQ(copy.path(), base + "\\a\\new");
}

TEST_F(DrivePathTest, DataDirectoryFallsBackToTheCurrentFolder) {
  const std::string base = here_.path();
  EXPECT_FALSE(here_.useDataDirectory(false));
  EXPECT_EQ(here_.path(), base);
  EXPECT_FALSE(here_.useSecondDataDirectory(true));
  EXPECT_EQ(here_.path(), base);
  fs::create_directory(folder_ / "data");
  EXPECT_TRUE(here_.useDataDirectory(false));
  EXPECT_EQ(here_.path(), base + "\\data");
}

TEST_F(DrivePathTest, DrivesComeFromThePlatformList) {
  headless::setLogicalDrives("A:\\\0C:\\\0D:\\\0"s);
  EXPECT_EQ(here_.driveCount(), 3);
  EXPECT_STREQ(here_.driveRoot(1), "C:\\");
  EXPECT_EQ(here_.driveRoot(3), nullptr);
  EXPECT_EQ(here_.driveRoot(-1), nullptr);
  EXPECT_TRUE(here_.setToDrive(2));
  EXPECT_STREQ(here_.path(), "D:\\");
  EXPECT_FALSE(here_.setToDrive(3));

  headless::setLogicalDrives(std::string(200, 'X'));  // does not fit the list buffer
  EXPECT_EQ(here_.driveCount(), 0);
  headless::setLogicalDrives("");
  EXPECT_EQ(here_.driveCount(), 0);
}

TEST_F(DrivePathTest, MakeDirectoryPathCreatesMissingParentsOfDrivePathsOnly) {
  const std::string base = drivePathHere();
  const std::string deep = base + "\\made\\deep\\er";
  EXPECT_TRUE(makeDirectoryPath(deep.c_str()));
  EXPECT_TRUE(fs::is_directory(fs::path(base) / "made" / "deep" / "er"));
  EXPECT_TRUE(makeDirectoryPath(deep.c_str()));

  EXPECT_FALSE(makeDirectoryPath("relative\\folder"));
  EXPECT_FALSE(makeDirectoryPath("C:folder"));
  EXPECT_FALSE(fs::exists(folder_ / "relative"));
  const std::string tooLong = base + "\\" + std::string(200, 'x');
  EXPECT_FALSE(makeDirectoryPath(tooLong.c_str()));
}

#ifdef _WIN32
TEST(DrivePathRootTest, ADriveRootIsHeldWithoutItsBackslash) {
  const std::string root = fs::temp_directory_path().root_path().string();  // "C:\"
  CurrentFolder inRoot(root);
  DRIVE_PATH drive;
  EXPECT_EQ(std::string(drive.path()), root.substr(0, 2));
  EXPECT_EQ(std::string(drive.fullPath("name")), root.substr(0, 2) + "\\name");
}
#endif

}  // namespace
