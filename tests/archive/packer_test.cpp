#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/archive_table.h"
#include "archive/packer.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// Sizes chosen to cross the interesting boundaries; every other entry gets a
// small body of its own.
int32_t sizeOf(int index) {
  switch (index) {
    case 0:
      return 65537;
    case 1:
      return 0;
    case 2:
      return 1;
    case 9:
      return 65536;
    case 35:
      return 3;
    default:
      return 17 + index;
  }
}

class PackerTest : public testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < kArchiveEntryCount; ++i) {
      if (isReadmeEntry(i)) continue;
      bodies_[i] = patternBytes(static_cast<size_t>(sizeOf(i)), static_cast<unsigned>(i));
      writeFile(folder_ / ArchiveEntryTable[i].fileName, bodies_[i]);
    }
  }

  std::string expectedArchive() const {
    std::string archive;
    for (int i = 0; i < kArchiveEntryCount; ++i) {
      const uint32_t size = static_cast<uint32_t>(bodies_[i].size());
      for (int b = 0; b < 4; ++b) archive += static_cast<char>(size >> (8 * b));
    }
    for (int i = 0; i < kArchiveEntryCount; ++i) archive += bodies_[i];
    return archive;
  }

  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
  std::string bodies_[kArchiveEntryCount];
};

TEST_F(PackerTest, WritesTheSizeTableAndEveryBodyInTableOrder) {
  writeFile(folder_ / "readme.txt", "a readme that must stay out of the archive");
  ASSERT_TRUE(packUpdateArchive());
  const std::string archive = readFile(folder_ / "update.dat");
  EXPECT_EQ(archive, expectedArchive());
  // 65,536 is stored little-endian.
  EXPECT_EQ(archive.substr(9 * 4, 4), std::string("\x00\x00\x01\x00", 4));
  EXPECT_FALSE(fs::exists(folder_ / "update.dat.part"));
}

TEST_F(PackerTest, ReplacesAnOlderArchive) {
  writeFile(folder_ / "update.dat", std::string(500000, 'x'));
  ASSERT_TRUE(packUpdateArchive());
  EXPECT_EQ(readFile(folder_ / "update.dat"), expectedArchive());
}

TEST_F(PackerTest, EmptyLooseFilesPackAsEmptyBodies) {
  for (int i = 0; i < kArchiveEntryCount; ++i) {
    if (isReadmeEntry(i)) continue;
    bodies_[i].clear();
    writeFile(folder_ / ArchiveEntryTable[i].fileName, "");
  }
  ASSERT_TRUE(packUpdateArchive());
  EXPECT_EQ(readFile(folder_ / "update.dat"), std::string(kSizeTableBytes, '\0'));
}

TEST_F(PackerTest, AMissingFileFailsAndLeavesTheOldArchiveAlone) {
  const std::string old = "an archive from an earlier pack";
  writeFile(folder_ / "update.dat", old);
  for (const char* missing : {"tx3.exe", "language.ldb", "changes.txt"}) {
    const fs::path file = folder_ / missing;
    const std::string body = readFile(file);
    fs::remove(file);
    EXPECT_FALSE(packUpdateArchive()) << missing;
    EXPECT_EQ(readFile(folder_ / "update.dat"), old) << missing;
    writeFile(file, body);
  }
  EXPECT_FALSE(fs::exists(folder_ / "update.dat.part"));
}

TEST_F(PackerTest, AFolderInPlaceOfALooseFileFails) {
  fs::remove(folder_ / "club.dat");
  fs::create_directory(folder_ / "club.dat");
  EXPECT_FALSE(packUpdateArchive());
  EXPECT_FALSE(fs::exists(folder_ / "update.dat"));
  EXPECT_FALSE(fs::exists(folder_ / "update.dat.part"));
}

TEST(ArchiveTableTest, OnlyTheReadmeEntryIsSkipped) {
  std::vector<int> skipped;
  for (int i = 0; i < kArchiveEntryCount; ++i)
    if (isReadmeEntry(i)) skipped.push_back(i);
  EXPECT_EQ(skipped, std::vector<int>{34});
}

TEST(ArchiveTableTest, SizeTableRoundTripsNegativeAndLargeSlots) {
  SizeTable sizes = {};
  sizes[0] = -1;
  sizes[1] = INT32_MAX;
  sizes[35] = 65536;
  unsigned char bytes[kSizeTableBytes];
  encodeSizeTable(sizes, bytes);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[4 + 3], 0x7F);
  SizeTable decoded;
  decodeSizeTable(bytes, decoded);
  for (int i = 0; i < kArchiveEntryCount; ++i) EXPECT_EQ(decoded[i], sizes[i]) << i;
}

}  // namespace
