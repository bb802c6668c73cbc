#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "archive/drive_path.h"
#include "archive/path_format.h"
#include "platform/headless/files.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class DrivePathTest : public testing::Test {
 protected:
  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
  DRIVE_PATH here_;
  const std::string base_ = here_.path();
};

TEST_F(DrivePathTest, FullPathsAreBackslashJoinedAndRefusedPast499Characters) {
  EXPECT_EQ(std::string(here_.fullPath("font.fnt")), base_ + "\\font.fnt");
  const std::string fits(DRIVE_PATH::kPathRoom - 1 - base_.size() - 1, 'n');
  char buffer[DRIVE_PATH::kPathRoom];
  EXPECT_TRUE(here_.fullPathOf(fits.c_str(), buffer));
  EXPECT_EQ(std::string(buffer).size(), 499u);
  EXPECT_FALSE(here_.fullPathOf((fits + "n").c_str(), buffer));
  EXPECT_STREQ(here_.fullPath((fits + "n").c_str()), "");
  char untouched = 'u';
  EXPECT_FALSE(formatPath(&untouched, 0, "%s", "n"));  // no room at all
  EXPECT_EQ(untouched, 'u');
}

TEST_F(DrivePathTest, NavigationChangesThePathOnlyToFoldersThatExist) {
  fs::create_directories(folder_ / "a" / "b");
  EXPECT_FALSE(here_.enter("missing"));
  EXPECT_FALSE(here_.useDataDirectory(false));  // no "data" folder: stays
  EXPECT_EQ(here_.path(), base_);
  EXPECT_TRUE(here_.enter("a") && here_.enter("b") && here_.goToParent());
  EXPECT_EQ(here_.path(), base_ + "\\a");
  EXPECT_TRUE(here_.makeSubdirectory("new", false));
  EXPECT_TRUE(fs::is_directory(folder_ / "a" / "new"));
  EXPECT_EQ(here_.path(), base_ + "\\a");
  EXPECT_TRUE(here_.makeSubdirectory("new", true));  // already there
  EXPECT_EQ(here_.path(), base_ + "\\a\\new");
  writeFile(folder_ / "a" / "new" / "file", "");
  EXPECT_FALSE(here_.makeSubdirectory("file", true));  // a file stands in the way
  fs::create_directory(folder_ / "data");              // found in the current folder
  EXPECT_TRUE(here_.useDataDirectory(false));
  EXPECT_EQ(here_.path(), base_ + "\\data");
}

TEST_F(DrivePathTest, DrivesComeFromThePlatformList) {
  headless::setLogicalDrives("A:\\\0C:\\\0D:\\\0"s);
  EXPECT_EQ(here_.driveCount(), 3);
  EXPECT_STREQ(here_.driveRoot(1), "C:\\");
  for (int outside : {-1, 3}) EXPECT_EQ(here_.driveRoot(outside), nullptr);
  EXPECT_TRUE(here_.setToDrive(2));
  EXPECT_STREQ(here_.path(), "D:\\");
  EXPECT_FALSE(here_.setToDrive(3));
  headless::setLogicalDrives(std::string(200, 'X'));  // does not fit the list buffer
  EXPECT_EQ(here_.driveCount(), 0);
}

TEST_F(DrivePathTest, MakeDirectoryPathCreatesMissingParentsOfDrivePathsOnly) {
#ifdef _WIN32
  const std::string drive = folder_.path().string();
#else
  fs::create_directory(folder_ / "C:");  // "C:\x" is the relative C:/x here
  const std::string drive = "C:";
#endif
  const std::string deep = drive + "\\made\\deep\\er";
  EXPECT_TRUE(makeDirectoryPath(deep.c_str()));
  EXPECT_TRUE(fs::is_directory(fs::path(drive) / "made" / "deep" / "er"));
  EXPECT_TRUE(makeDirectoryPath(deep.c_str()));
  EXPECT_FALSE(makeDirectoryPath("relative\\folder"));
  EXPECT_FALSE(makeDirectoryPath("C:folder"));
  EXPECT_FALSE(fs::exists(folder_ / "relative"));
  EXPECT_FALSE(makeDirectoryPath((drive + "\\" + std::string(200, 'x')).c_str()));
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
