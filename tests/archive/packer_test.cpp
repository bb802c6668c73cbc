#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "archive/archive_table.h"
#include "archive/packer.h"
#include "platform/headless/files.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using headless::FileOperation;

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

// Whatever goes wrong, and wherever, the old archive stays as it was and no
// partial archive is left behind.
TEST_F(PackerTest, AnyFailureKeepsTheOldArchiveAndLeavesNoPartialOne) {
  const std::string old = "an archive from an earlier pack";
  writeFile(folder_ / "update.dat", old);
  const auto fail = [](FileOperation operation, const char* path, int nth = 0) {
    return [=] { headless::failFileOperation(operation, path, nth); };
  };
  const std::pair<const char*, std::function<void()>> failures[] = {
      {"a loose file missing", [this] { fs::remove(folder_ / "changes.txt"); }},
      {"a folder in place of a loose file",
       [this] {
         fs::remove(folder_ / "club.dat");
         fs::create_directory(folder_ / "club.dat");
       }},
      {"reading a loose file", fail(FileOperation::read, "club.dat")},
      {"a loose file of 4 GiB and 5 bytes, beyond the archive's signed sizes",
       [this] { fs::resize_file(folder_ / "club.dat", (uintmax_t{1} << 32) + 5); }},
      {"opening the new archive", fail(FileOperation::open, "update.dat.part")},
      {"writing the size table", fail(FileOperation::write, "update.dat.part", 1)},
      {"writing a body", fail(FileOperation::write, "update.dat.part", 3)},
      {"closing the new archive", fail(FileOperation::close, "update.dat.part")},
      {"replacing the old archive", fail(FileOperation::move, "update.dat")},
      {"a read-only archive", [this] {
         fs::permissions(folder_ / "update.dat", fs::perms::owner_write, fs::perm_options::remove);
       }}};
  for (const auto& [what, cause] : failures) {
    SetUp();
    cause();
    EXPECT_FALSE(packUpdateArchive()) << what;
    headless::clearFileFailures();
    EXPECT_EQ(readFile(folder_ / "update.dat"), old) << what;
    EXPECT_FALSE(fs::exists(folder_ / "update.dat.part")) << what;
    fs::remove_all(folder_ / "club.dat");
  }
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
