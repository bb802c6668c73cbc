#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

std::set<std::string> plainFilesMatching(const char* pattern) {
  std::set<std::string> names;
  platform::FoundFile found;
  platform::FileSearch* search = platform::findFirstFile(pattern, found);
  for (bool more = search != nullptr; more; more = platform::findNextFile(search, found))
    if (!found.isFolder && !found.isHiddenOrSystem) names.insert(found.name);
  platform::findClose(search);
  return names;
}

TEST(PlatformFilesTest, WildcardsFoldersMovesAndReadOnlyFilesBehaveAsOnWindows) {
  const TempFolder folder;
  const CurrentFolder inFolder(folder.path());
  fs::create_directories(folder / "qstart" / "sub.qst");
  for (const char* name : {"one.qst", "TWO.QST", "three.qst.bak", "four.txt", "league.qstx"})
    writeFile(folder / "qstart" / name, "x");
  writeFile(folder / "top.qst", "x");
  // A pattern also matches the short name that Windows makes for a long one.
  EXPECT_EQ(plainFilesMatching("qstart\\*.qst"),
            (std::set<std::string>{"one.qst", "TWO.QST", "league.qstx"}));
  EXPECT_EQ(plainFilesMatching("qstart\\?ne.*"), (std::set<std::string>{"one.qst"}));
  EXPECT_EQ(plainFilesMatching("qstart\\*.*").size(), 5u);
  EXPECT_TRUE(plainFilesMatching("qstart\\*.none").empty());
  EXPECT_TRUE(plainFilesMatching("missing\\*.qst").empty());

  // Folders are made one level at a time; a replacement takes the target's
  // place, and a read-only file may be renamed, keeping its attribute.
  EXPECT_FALSE(platform::createFolder("game\\sub"));
  EXPECT_TRUE(platform::createFolder("game") && platform::folderExists("game"));
  EXPECT_FALSE(platform::fileExists("game"));
  writeFile(folder / "game" / "readme.txt", "old");
  writeFile(folder / "readme.new", "new");
  fs::permissions(folder / "readme.new", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_TRUE(platform::replaceFile("readme.new", "game\\readme.txt"));
  EXPECT_EQ(readFile(folder / "game" / "readme.txt"), "new");
  EXPECT_FALSE(platform::fileExists("readme.new"));
  EXPECT_TRUE(platform::fileExists("game\\readme.txt") &&
              !platform::removeFile("game\\readme.txt"));

  // One holder of a lock at a time; the drive tells its room.
  platform::FileLock* lock = platform::lockFile("game\\lock");
  ASSERT_NE(lock, nullptr);
  EXPECT_EQ(platform::lockFile("game\\lock"), nullptr);
  platform::unlockFile(lock);
  lock = platform::lockFile("game\\lock");
  EXPECT_NE(lock, nullptr);
  platform::unlockFile(lock);
  platform::DriveRoom room{};
  EXPECT_TRUE(platform::driveRoom("game", room));
  EXPECT_GT(room.freeBytes, 0u);
  EXPECT_GE(room.clusterBytes, 512u);
  EXPECT_NE(room.root[0], '\0');

  writeFile(folder / "other.txt", "other");
  // A read-only file can be made writable and removed.
  fs::permissions(folder / "other.txt", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_TRUE(platform::makeWritable("other.txt") && platform::removeFile("other.txt"));
  EXPECT_FALSE(fs::exists(folder / "other.txt"));
  EXPECT_FALSE(platform::removeFile("other.txt"));
}

}  // namespace
