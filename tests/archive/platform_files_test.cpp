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

  // Folders are made one level at a time; moves never replace.
  EXPECT_FALSE(platform::createFolder("game\\sub"));
  EXPECT_TRUE(platform::createFolder("game") && platform::folderExists("game"));
  writeFile(folder / "readme_eng.txt", "new");
  EXPECT_TRUE(platform::moveFile("readme_eng.txt", "game\\readme.txt"));
  EXPECT_EQ(readFile(folder / "game" / "readme.txt"), "new");
  EXPECT_FALSE(fs::exists(folder / "readme_eng.txt"));
  EXPECT_FALSE(platform::folderExists("game\\readme.txt"));

  writeFile(folder / "other.txt", "other");
  EXPECT_FALSE(platform::moveFile("other.txt", "game\\readme.txt"));
  EXPECT_EQ(readFile(folder / "game" / "readme.txt"), "new");

  // A read-only file can be made writable and removed.
  fs::permissions(folder / "other.txt", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_TRUE(platform::makeWritable("other.txt") && platform::removeFile("other.txt"));
  EXPECT_FALSE(fs::exists(folder / "other.txt"));
  EXPECT_FALSE(platform::removeFile("other.txt"));
}

}  // namespace
