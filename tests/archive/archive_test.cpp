#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "archive/archive_table.h"
#include "archive/drive_path.h"
#include "archive/extract.h"
#include "archive/file_stream.h"
#include "archive/packer.h"
#include "archive/path_format.h"
#include "platform/headless/disk_events.h"
#include "platform/headless/files.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using headless::FileOperation;
using namespace std::string_literals;

namespace {

// A fresh current folder, which here_ names; the archive's and the streams'
// files are made in it too.
class DrivePathTest : public testing::Test {
 protected:
  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
  DRIVE_PATH here_;
  const std::string base_ = here_.path();
};

TEST_F(DrivePathTest, PathsAreRefusedPast499CharsOrMadeOnDrivesAndNavigationNeedsFolders) {
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
  EXPECT_TRUE(formatPath(buffer, 1, "%s", ""));
  // Folders compare as Windows reads them.
  EXPECT_TRUE(isSameFolder("C:\\Games\\TX3\\", "c:\\gAMES\\tx3"));
  EXPECT_FALSE(isSameFolder("C:\\Games\\TX3", "C:\\Games\\TX"));
  EXPECT_FALSE(isSameFolder("C:\\Games\\TX3", "C:\\Games\\TX4"));

  // Missing parents are made for paths on a drive only.
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

  // Navigation changes the path only to folders that exist, or to listed drives.
  fs::create_directories(folder_ / "a" / "b");
  EXPECT_FALSE(here_.enter("missing"));
  EXPECT_FALSE(here_.useDataDirectory(false));  // no "data" folder: stays
  EXPECT_EQ(here_.path(), base_);
  EXPECT_TRUE(here_.enter("a") && here_.enter("b") && here_.goToParent());
  EXPECT_EQ(here_.path(), base_ + "\\a");
  EXPECT_TRUE(here_.makeSubdirectory("new", false));
  EXPECT_EQ(here_.path(), base_ + "\\a");
  EXPECT_TRUE(here_.makeSubdirectory("new", true));  // already there
  EXPECT_EQ(here_.path(), base_ + "\\a\\new");
  writeFile(folder_ / "a" / "new" / "file", "");
  // A file stands in the way; a name that makes the path too long.
  EXPECT_FALSE(here_.makeSubdirectory("file", true) || here_.makeSubdirectory(fits.c_str(), true));
  fs::rename(folder_ / "a", folder_ / "moved");
  EXPECT_FALSE(here_.goToParent());        // to a folder that is gone
  fs::create_directory(folder_ / "data");  // found in the current folder
  EXPECT_TRUE(here_.useDataDirectory(false));
  EXPECT_EQ(here_.path(), base_ + "\\data");

  // Drives come from the platform's list.
  headless::setLogicalDrives("A:\\\0C:\\\0D:\\\0"s);
  EXPECT_EQ(here_.driveCount(), 3);
  EXPECT_STREQ(here_.driveRoot(1), "C:\\");
  for (int outside : {-1, 3}) EXPECT_EQ(here_.driveRoot(outside), nullptr);
  EXPECT_TRUE(here_.setToDrive(2));
  EXPECT_STREQ(here_.path(), "D:\\");
  EXPECT_FALSE(here_.setToDrive(3));
  headless::setLogicalDrives(std::string(110, 'X'));  // one more than the list buffer holds
  EXPECT_EQ(here_.driveCount(), 0);
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

// Streams opened inside the test's folder.
class FileStreamTest : public DrivePathTest {
 protected:
  bool open(int32_t byteOrder, int32_t mode) {
    return stream_.open(here_, "f.bin", byteOrder, mode);
  }
  void put(const std::string& contents) { writeFile(folder_ / "f.bin", contents); }
  std::string written() { return readFile(folder_ / "f.bin"); }

  FILE_STREAM stream_;
};

TEST_F(FileStreamTest, ValuesFollowTheByteOrderOfTheMarkOrTheCallerAndAppendingMustKeepIt) {
  // Big-endian values round-trip and leave the caller's array alone.
  uint16_t pixels[3] = {0x0102, 0x0304, 0x0506};
  ASSERT_TRUE(open(kBigEndianOrder, WriteBinary));
  EXPECT_TRUE(stream_.writeInt32(int32_t{0x0A0B0C0D}) && stream_.writeInt16Array(pixels, 3) &&
              stream_.writeByte(0xEE) && stream_.close());
  EXPECT_EQ(pixels[0], 0x0102);
  EXPECT_EQ(written(), "\x0A\x0B\x0C\x0D\1\2\3\4\5\6\xEE"s);

  ASSERT_TRUE(open(kBigEndianOrder, ReadBinary));
  int32_t word = 0;
  EXPECT_TRUE(stream_.readInt32(word) && word == 0x0A0B0C0D);
  uint16_t read[4] = {};
  // Only three values and a byte remain: the three are delivered swapped.
  EXPECT_TRUE(stream_.readInt16Array(read, 0));
  EXPECT_FALSE(stream_.readInt16Array(read, 4));
  EXPECT_EQ((std::vector<int>{read[0], read[1], read[2]}),
            (std::vector<int>{0x0102, 0x0304, 0x0506}));
  stream_.close();

  // The order mark is written as zero and read back as the file's byte order.
  ASSERT_TRUE(stream_.openWithOrderMark(here_, "f.bin", WriteBinary));
  EXPECT_TRUE(stream_.writeInt16(uint16_t{0x1234}) && stream_.close());
  EXPECT_EQ(written(), "\0\0\0\0\x34\x12"s);

  for (int mark : {2, 5}) {  // any mark but 2 is little-endian
    put(static_cast<char>(mark) + "\0\0\0\x12\x34"s);
    ASSERT_TRUE(stream_.openWithOrderMark(here_, "f.bin", ReadBinary));
    EXPECT_TRUE(stream_.tell() == 4 && !stream_.atEnd());
    uint16_t value = 0;
    EXPECT_TRUE(stream_.readInt16(value) && value == (mark == 2 ? 0x1234 : 0x3412)) << mark;
    stream_.close();
  }

  // Appending writes at the end, and only in the file's byte order.
  put("\x05\0\0\0\x12\x34"s);
  EXPECT_FALSE(stream_.openWithOrderMark(here_, "f.bin", AppendBinary));
  EXPECT_FALSE(open(kBigEndianOrder, AppendBinary));
  EXPECT_EQ(stream_.tell(), -1);  // left closed
  EXPECT_FALSE(stream_.open(here_, "new.bin", kBigEndianOrder, AppendBinary));
  EXPECT_FALSE(fs::exists(folder_ / "new.bin"));

  put("AB");
  ASSERT_TRUE(open(0, AppendBinary));
  uint8_t value = 0;
  EXPECT_TRUE(stream_.readByte(value) && value == 'A');
  EXPECT_TRUE(stream_.writeByte('C') && stream_.close());
  EXPECT_EQ(written(), "ABC");
}

TEST_F(FileStreamTest, RunLengthCodingWritesRunsOfAtMost63DecodesAndReportsFailedWrites) {
  ASSERT_TRUE(open(0, WriteBinary));
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(stream_.writeRunByte(0x05));
  EXPECT_TRUE(stream_.writeRunByte(0xC5) && stream_.writeRunByte(0x3F) && stream_.close());
  EXPECT_EQ(written(), "\xFF\x05\xE5\x05\xC1\xC5\x3F"s);  // high bytes are marked

  // An empty run (C0) delivers nothing; a count byte at the end has no value.
  put("\xC3\x07\x08\xC0\x99\x41\xC2"s);
  ASSERT_TRUE(open(0, ReadBinary));
  std::string decoded;
  for (uint8_t value = 0; stream_.readRunByte(value); value = 0)
    decoded += static_cast<char>(value);
  EXPECT_EQ(decoded, "\7\7\7\x08\x41"s);
  EXPECT_TRUE(stream_.atEnd() && stream_.close());

  // A run is written when the next one starts or the stream closes; either
  // write may fail, and so may the close that writes what was buffered.
  for (FileOperation operation : {FileOperation::write, FileOperation::close}) {
    ASSERT_TRUE(open(0, WriteBinary));
    headless::failFileOperation(operation, "f.bin");
    EXPECT_TRUE(stream_.writeRunByte(7));  // held back in the run
    EXPECT_EQ(stream_.writeRunByte(8), operation == FileOperation::close);
    EXPECT_FALSE(stream_.close());
    headless::clearFileFailures();
  }
  ASSERT_TRUE(open(0, WriteBinary));
  headless::failFileOperation(FileOperation::write, "f.bin", 2);
  EXPECT_TRUE(stream_.writeRunByte(7) && stream_.writeRunByte(8));
  EXPECT_FALSE(stream_.flushRun());
  headless::clearFileFailures();
}

TEST_F(FileStreamTest, TextIsWrittenAndScannedAndOperationsOutsideTheirModeFail) {
  ASSERT_TRUE(open(0, WriteText));
  EXPECT_EQ(stream_.printFormatted("%s", ""), 0);
  EXPECT_EQ(stream_.printFormatted("%d %s\n", 42, "fonts"), 9);
  ASSERT_TRUE(stream_.close() && open(0, ReadText));
  int number = 0;
  EXPECT_TRUE(stream_.scanFormatted("%d", &number) == 1 && number == 42);
  EXPECT_EQ(stream_.readCharacter(), ' ');
  stream_.close();
  put("abcd");
  uint8_t value;
  ASSERT_TRUE(open(0, ReadBinary));
  EXPECT_FALSE(stream_.writeRunByte(1) || stream_.writeBlock("x", 1));
  EXPECT_EQ(stream_.printFormatted("x"), -1);
  EXPECT_EQ(stream_.readCharacter(), -1);
  EXPECT_FALSE(open(0, ReadBinary));  // already open
  stream_.close();
  ASSERT_TRUE(open(0, AppendBinary));
  EXPECT_FALSE(stream_.readRunByte(value) || stream_.writeRunByte(value));
  stream_.close();
  EXPECT_TRUE(stream_.atEnd());
  EXPECT_NE(stream_.seek(0), 0);
  EXPECT_FALSE(stream_.readByte(value) || stream_.printFormatted("x") != -1 ||
               stream_.scanFormatted("%*d") != -1);
  EXPECT_FALSE(open(0, 5));
  EXPECT_FALSE(stream_.open(here_, "missing.bin", 0, ReadBinary));
  EXPECT_EQ(written(), "abcd");
  {
    FILE_STREAM forgotten;  // destroyed open: what it holds still reaches the file
    ASSERT_TRUE(forgotten.open(here_, "f.bin", 0, WriteBinary));
    EXPECT_FALSE(forgotten.writeBlock("x", -1) || forgotten.readBlock(&value, 1));
    forgotten.writeRunByte('z');
  }
  EXPECT_EQ(written(), "z");
}

// Plans one failing file operation, again before every attempt.
std::function<void()> failing(FileOperation operation, const char* path, int nth = 0) {
  return [=] { headless::failFileOperation(operation, path, nth); };
}

// Every entry but the readme has a loose file of its own, and update.dat holds
// them all; sizes cross the copy chunks' boundaries.
class ArchiveTest : public DrivePathTest {
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

  SizeTable sizes_;
  std::string bodies_[kArchiveEntryCount];
};

// Packing replaces the archive with the size table and every body in order.
// Whatever goes wrong, and wherever, the old archive stays as it was and no
// partial archive is left behind.
TEST_F(ArchiveTest, PackingReplacesTheArchiveOrOnAnyFailureKeepsItAndLeavesNoPartialOne) {
  writeFile(folder_ / "readme.txt", "a readme that must stay out of the archive");
  writeFile(folder_ / "update.dat", std::string(500000, 'x'));
  ASSERT_TRUE(packUpdateArchive());
  EXPECT_TRUE(readFile(folder_ / "update.dat") == packedArchive());
  EXPECT_FALSE(fs::exists(folder_ / "update.dat.part"));
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

TEST_F(ArchiveTest, EveryBodyIsExtractedWholeOverALongerTargetOrTheTargetIsToBlame) {
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

  // A target that cannot be written, or a write that fails, is to blame.
  EXPECT_FALSE(faultOf(9, "missing\\city.dat"));
  fs::remove(folder_ / "game" / "city.dat");
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

TEST_F(ArchiveTest, AnArchiveCutShortOrWithDamagedSizesIsToBlameButAnEmptyBodyIsWhole) {
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

  // An empty body needs no bytes, even past the end of the archive.
  sizes_[8] = 589830;  // claims far more than the archive holds
  sizes_[17] = 0;
  writeArchive(false);
  bool archiveFault = false;
  EXPECT_TRUE(extractArchiveEntry(17, "game\\index.dat", archiveFault));
  EXPECT_EQ(fs::file_size(folder_ / "game" / "index.dat"), 0u);
  EXPECT_TRUE(faultOf(18, "game\\nat_club.dat"));

  sizes_[5] = -1;  // before the entry: would seek back into the table
  sizes_[7] = -3;  // the entry itself: would copy nothing and succeed
  writeArchive(false);
  EXPECT_TRUE(faultOf(6, "game\\pics.cfg"));
  EXPECT_TRUE(faultOf(7, "game\\player_setup.cfg"));
  // The size table holds negative and large sizes whole.
  unsigned char table[kSizeTableBytes];
  encodeSizeTable(sizes_, table);
  SizeTable decoded;
  decodeSizeTable(table, decoded);
  for (int i = 0; i < kArchiveEntryCount; ++i) EXPECT_EQ(decoded[i], sizes_[i]) << i;

  sizes_[5] = 0x7FFFFFFF;  // bodies up to entry 6 pass the signed 32-bit range
  sizes_[7] = 1;
  writeArchive(false);
  EXPECT_TRUE(faultOf(6, "game\\pics.cfg"));
  EXPECT_FALSE(fs::exists(folder_ / "game" / "pics.cfg"));

  EXPECT_TRUE(faultOf(34, "game\\readme.txt"));
  for (int outside : {-1, 36}) EXPECT_TRUE(faultOf(outside, "game\\x"));
  EXPECT_FALSE(fs::exists(folder_ / "game" / "readme.txt"));
}

}  // namespace
