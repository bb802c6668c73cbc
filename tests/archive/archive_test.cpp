#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "archive/archive_table.h"
#include "archive/extract.h"
#include "archive/packer.h"
#include "platform/headless/files.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using headless::FileOperation;

namespace {

// Plans one failing file operation, again before every attempt.
std::function<void()> failing(FileOperation operation, const char* path, int nth = 0) {
  return [=] { headless::failFileOperation(operation, path, nth); };
}

// Every entry but the readme has a loose file of its own, and update.dat holds
// them all; sizes cross the copy chunks' boundaries.
class ArchiveTest : public testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < kArchiveEntryCount; ++i)
      if (!isReadmeEntry(i)) writeBody(i, 17 + i);
    const std::pair<int, int> edges[] = {{0, 65537}, {1, 0}, {2, 1}, {9, 65536}, {35, 3}};
    for (const auto& [index, size] : edges) writeBody(index, size);
    sizes_[34] = 0x7FFFFFF0;  // the readme slot holds no body: its size is never summed
    writeArchive();
    fs::create_directory(folder_ / "game");
  }

  void writeBody(int index, int size) {
    bodies_[index] = patternBytes(static_cast<size_t>(size), static_cast<unsigned>(index));
    sizes_[index] = size;
    writeFile(folder_ / ArchiveEntryTable[index].fileName, bodies_[index]);
  }

  // What the packer must make of the loose files, the sizes written here.
  std::string packedArchive() const {
    std::string archive;
    for (const std::string& body : bodies_)
      for (int b = 0; b < 4; ++b) archive += static_cast<char>(body.size() >> (8 * b));
    for (const std::string& body : bodies_) archive += body;
    return archive;
  }

  // The archive of sizes_; a damaged table comes with a few bytes instead of
  // the bodies.
  void writeArchive(bool withBodies = true) {
    unsigned char table[kSizeTableBytes];
    encodeSizeTable(sizes_, table);
    writeFile(folder_ / "update.dat",
              std::string(reinterpret_cast<const char*>(table), sizeof table) +
                  (withBodies ? packedArchive().substr(kSizeTableBytes) : std::string(1000, 'b')));
  }

  void cutArchiveTo(size_t length) {
    writeFile(folder_ / "update.dat", readFile(folder_ / "update.dat").substr(0, length));
  }

  // Extraction that must fail, with `plan` made before each attempt; returns
  // archiveFault, which the failure must set whatever it held before.
  bool faultOf(
      int32_t index, const char* target, const std::function<void()>& plan = [] {}) {
    bool faults[2] = {true, false};
    for (bool& fault : faults) {
      plan();
      EXPECT_FALSE(extractArchiveEntry(index, target, fault)) << index;
      headless::clearFileFailures();
    }
    EXPECT_EQ(faults[0], faults[1]) << index;
    return faults[1];
  }

  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
  SizeTable sizes_;
  std::string bodies_[kArchiveEntryCount];
};

TEST_F(ArchiveTest, PackingReplacesTheArchiveWithTheSizeTableAndEveryBodyInOrder) {
  writeFile(folder_ / "readme.txt", "a readme that must stay out of the archive");
  writeFile(folder_ / "update.dat", std::string(500000, 'x'));
  ASSERT_TRUE(packUpdateArchive());
  EXPECT_TRUE(readFile(folder_ / "update.dat") == packedArchive());
  EXPECT_FALSE(fs::exists(folder_ / "update.dat.part"));
}

// Whatever goes wrong, and wherever, the old archive stays as it was and no
// partial archive is left behind.
TEST_F(ArchiveTest, AnyFailureToPackKeepsTheOldArchiveAndLeavesNoPartialOne) {
  const std::string old = "an archive from an earlier pack";
  const std::pair<const char*, std::function<void()>> failures[] = {
      {"a loose file missing", [this] { fs::remove(folder_ / "changes.txt"); }},
      {"a folder in place of a loose file",
       [this] {
         fs::remove(folder_ / "club.dat");
         fs::create_directory(folder_ / "club.dat");
       }},
      {"reading a loose file", failing(FileOperation::read, "club.dat")},
      {"a loose file of 4 GiB and 5 bytes, beyond the archive's signed sizes",
       [this] { fs::resize_file(folder_ / "club.dat", (uintmax_t{1} << 32) + 5); }},
      {"opening the new archive", failing(FileOperation::open, "update.dat.part")},
      {"writing the size table", failing(FileOperation::write, "update.dat.part", 1)},
      {"writing a body", failing(FileOperation::write, "update.dat.part", 3)},
      {"closing the new archive", failing(FileOperation::close, "update.dat.part")},
      {"replacing the old archive", failing(FileOperation::move, "update.dat")},
      {"a read-only archive", [this] {
         fs::permissions(folder_ / "update.dat", fs::perms::owner_write, fs::perm_options::remove);
       }}};
  for (const auto& [what, cause] : failures) {
    SetUp();
    writeFile(folder_ / "update.dat", old);
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

TEST_F(ArchiveTest, EveryBodyIsExtractedWholeFromItsOffsetOverALongerTarget) {
  writeFile(folder_ / "game" / "changes.txt", std::string(100000, 'o'));
  for (int i = 0; i < kArchiveEntryCount; ++i) {
    if (isReadmeEntry(i)) continue;
    const std::string target = std::string("game\\") + ArchiveEntryTable[i].fileName;
    for (bool before : {true, false}) {
      bool archiveFault = before;
      ASSERT_TRUE(extractArchiveEntry(i, target.c_str(), archiveFault)) << i;
      EXPECT_EQ(archiveFault, before) << "left alone on success";
    }
    EXPECT_TRUE(readFile(folder_ / "game" / ArchiveEntryTable[i].fileName) == bodies_[i]) << i;
  }
  EXPECT_EQ(fs::file_size(folder_ / "game" / "euro.cfg"), 0u);
}

TEST_F(ArchiveTest, AnArchiveCutShortIsToBlameAndLeavesWholeChunks) {
  cutArchiveTo(kSizeTableBytes + 65536);  // one byte short of the first body
  EXPECT_TRUE(faultOf(0, "game\\tx3.exe"));
  EXPECT_TRUE(readFile(folder_ / "game" / "tx3.exe") == bodies_[0].substr(0, 65536));
  EXPECT_TRUE(faultOf(35, "game\\changes.txt"));

  cutArchiveTo(100);  // inside the size table: no target is created
  EXPECT_TRUE(faultOf(9, "game\\city.dat"));
  EXPECT_FALSE(fs::exists(folder_ / "game" / "city.dat"));

  writeArchive();  // whole, but its second read fails: in the body
  EXPECT_TRUE(faultOf(0, "game\\tx3.exe", failing(FileOperation::read, "update.dat", 2)));

  fs::remove(folder_ / "update.dat");
  EXPECT_TRUE(faultOf(9, "game\\city.dat"));
  EXPECT_FALSE(fs::exists(folder_ / "game" / "city.dat"));
}

TEST_F(ArchiveTest, AnEmptyBodyNeedsNoBytesEvenPastTheEndOfTheArchive) {
  sizes_[8] = 589830;  // claims far more than the archive holds
  sizes_[17] = 0;
  writeArchive(false);
  bool archiveFault = false;
  EXPECT_TRUE(extractArchiveEntry(17, "game\\index.dat", archiveFault));
  EXPECT_EQ(fs::file_size(folder_ / "game" / "index.dat"), 0u);
  EXPECT_TRUE(faultOf(18, "game\\nat_club.dat"));
}

TEST_F(ArchiveTest, DamagedSizesAreTheArchivesFault) {
  sizes_[5] = -1;  // before the entry: would seek back into the table
  sizes_[7] = -3;  // the entry itself: would copy nothing and succeed
  writeArchive(false);
  EXPECT_TRUE(faultOf(6, "game\\pics.cfg"));
  EXPECT_TRUE(faultOf(7, "game\\player_setup.cfg"));

  sizes_[5] = 0x7FFFFFFF;  // bodies up to entry 6 pass the signed 32-bit range
  sizes_[7] = 1;
  writeArchive(false);
  EXPECT_TRUE(faultOf(6, "game\\pics.cfg"));
  EXPECT_FALSE(fs::exists(folder_ / "game" / "pics.cfg"));

  EXPECT_TRUE(faultOf(34, "game\\readme.txt"));
  for (int outside : {-1, 36}) EXPECT_TRUE(faultOf(outside, "game\\x"));
  EXPECT_FALSE(fs::exists(folder_ / "game" / "readme.txt"));
}

TEST_F(ArchiveTest, ATargetThatCannotBeWrittenOrAWriteThatFailsIsToBlame) {
  EXPECT_FALSE(faultOf(9, "missing\\city.dat"));
  fs::create_directory(folder_ / "game" / "city.dat");
  EXPECT_FALSE(faultOf(9, "game\\city.dat"));
  EXPECT_FALSE(faultOf(9, nullptr));
  // A write failing in the second of two chunks or in the only one, and
  // closes that lose the last bytes.
  EXPECT_FALSE(faultOf(0, "game\\tx3.exe", failing(FileOperation::write, "tx3.exe", 2)));
  EXPECT_FALSE(faultOf(35, "game\\changes.txt", failing(FileOperation::write, "changes.txt")));
  EXPECT_FALSE(faultOf(0, "game\\tx3.exe", failing(FileOperation::close, "tx3.exe")));
  // A read-only file is not replaced.
  writeFile(folder_ / "game" / "tx3.exe", "old program");
  fs::permissions(folder_ / "game" / "tx3.exe", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_FALSE(faultOf(0, "game\\tx3.exe"));
  EXPECT_EQ(readFile(folder_ / "game" / "tx3.exe"), "old program");
}

}  // namespace
