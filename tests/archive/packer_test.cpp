#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "archive/archive_table.h"
#include "archive/packer.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

class PackerTest : public testing::Test {
 protected:
  // Sizes that cross the chunk boundaries; every other entry gets a small
  // body of its own.
  void SetUp() override {
    for (int i = 0; i < kArchiveEntryCount; ++i)
      if (!isReadmeEntry(i)) writeBody(i, patternBytes(17 + i, static_cast<unsigned>(i)));
    const std::pair<int, size_t> edges[] = {{0, 65537}, {1, 0}, {2, 1}, {9, 65536}, {35, 3}};
    for (const auto& [index, size] : edges)
      writeBody(index, patternBytes(size, static_cast<unsigned>(index)));
  }

  void writeBody(int index, const std::string& body) {
    bodies_[index] = body;
    writeFile(folder_ / ArchiveEntryTable[index].fileName, body);
  }

  std::string expectedArchive() const {
    std::string archive;
    for (const std::string& body : bodies_)
      for (int b = 0; b < 4; ++b) archive += static_cast<char>(body.size() >> (8 * b));
    for (const std::string& body : bodies_) archive += body;
    return archive;
  }

  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
  std::string bodies_[kArchiveEntryCount];
};

TEST_F(PackerTest, ReplacesTheArchiveWithTheSizeTableAndEveryBodyInOrder) {
  writeFile(folder_ / "readme.txt", "a readme that must stay out of the archive");
  writeFile(folder_ / "update.dat", std::string(500000, 'x'));
  ASSERT_TRUE(packUpdateArchive());
  const std::string archive = readFile(folder_ / "update.dat");
  EXPECT_EQ(archive, expectedArchive());
  EXPECT_EQ(archive.substr(9 * 4, 4), std::string("\x00\x00\x01\x00", 4));  // little-endian
  EXPECT_FALSE(fs::exists(folder_ / "update.dat.part"));
}

TEST_F(PackerTest, EmptyLooseFilesPackAsEmptyBodies) {
  for (int i = 0; i < kArchiveEntryCount; ++i)
    if (!isReadmeEntry(i)) writeBody(i, "");
  ASSERT_TRUE(packUpdateArchive());
  EXPECT_EQ(readFile(folder_ / "update.dat"), std::string(kSizeTableBytes, '\0'));
}

TEST_F(PackerTest, AMissingOrUnreadableFileFailsAndLeavesTheOldArchiveAlone) {
  const std::string old = "an archive from an earlier pack";
  writeFile(folder_ / "update.dat", old);
  for (const char* missing : {"tx3.exe", "language.ldb", "changes.txt"}) {
    const std::string body = readFile(folder_ / missing);
    fs::remove(folder_ / missing);
    EXPECT_FALSE(packUpdateArchive()) << missing;
    EXPECT_EQ(readFile(folder_ / "update.dat"), old) << missing;
    writeFile(folder_ / missing, body);
  }
  fs::remove(folder_ / "club.dat");
  fs::create_directory(folder_ / "club.dat");
  EXPECT_FALSE(packUpdateArchive());
  EXPECT_EQ(readFile(folder_ / "update.dat"), old);
  EXPECT_FALSE(fs::exists(folder_ / "update.dat.part"));
}

TEST(ArchiveTableTest, SizeTableRoundTripsNegativeAndLargeSlots) {
  SizeTable sizes = {-1, INT32_MAX};
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
