#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "archive/drive_path.h"
#include "archive/file_stream.h"
#include "archive/path_format.h"
#include "platform/headless/files.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// A fresh current folder, which here_ names.
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

TEST_F(FileStreamTest, OrderMarkIsWrittenAsZeroAndReadBackAsTheFilesByteOrder) {
  ASSERT_TRUE(stream_.openWithOrderMark(here_, "f.bin", WriteBinary));
  EXPECT_TRUE(stream_.writeInt16(uint16_t{0x1234}));
  EXPECT_TRUE(stream_.close());
  EXPECT_EQ(written(), "\0\0\0\0\x34\x12"s);

  uint16_t value = 0;
  for (int mark : {2, 5}) {  // any mark but 2 is little-endian
    put(static_cast<char>(mark) + "\0\0\0\x12\x34"s);
    ASSERT_TRUE(stream_.openWithOrderMark(here_, "f.bin", ReadBinary));
    EXPECT_EQ(stream_.tell(), 4);
    EXPECT_TRUE(stream_.readInt16(value));
    EXPECT_EQ(value, mark == 2 ? 0x1234 : 0x3412);
    stream_.close();
  }
}

TEST_F(FileStreamTest, AppendingWritesAtTheEndAndOnlyInTheFilesByteOrder) {
  put("\x05\0\0\0\x12\x34"s);
  EXPECT_FALSE(stream_.openWithOrderMark(here_, "f.bin", AppendBinary));
  EXPECT_FALSE(open(kBigEndianOrder, AppendBinary));
  EXPECT_EQ(stream_.tell(), -1);  // left closed
  EXPECT_FALSE(stream_.open(here_, "new.bin", kBigEndianOrder, AppendBinary));
  EXPECT_FALSE(fs::exists(folder_ / "new.bin"));

  put("AB");
  ASSERT_TRUE(open(0, AppendBinary));
  uint8_t value = 0;
  EXPECT_TRUE(stream_.readByte(value));
  EXPECT_EQ(value, 'A');
  EXPECT_TRUE(stream_.writeByte('C'));
  EXPECT_TRUE(stream_.close());
  EXPECT_EQ(written(), "ABC");
}

TEST_F(FileStreamTest, BigEndianValuesRoundTripAndLeaveTheCallersArrayAlone) {
  uint16_t pixels[3] = {0x0102, 0x0304, 0x0506};
  ASSERT_TRUE(open(kBigEndianOrder, WriteBinary));
  EXPECT_TRUE(stream_.writeInt32(int32_t{0x0A0B0C0D}));
  EXPECT_TRUE(stream_.writeInt16Array(pixels, 3));
  EXPECT_TRUE(stream_.writeByte(0xEE));
  EXPECT_TRUE(stream_.close());
  EXPECT_EQ(pixels[0], 0x0102);
  EXPECT_EQ(written(), "\x0A\x0B\x0C\x0D\1\2\3\4\5\6\xEE"s);

  ASSERT_TRUE(open(kBigEndianOrder, ReadBinary));
  int32_t word = 0;
  EXPECT_TRUE(stream_.readInt32(word) && word == 0x0A0B0C0D);
  uint16_t read[4] = {};
  // Only three values and a byte remain: the three are delivered swapped.
  EXPECT_FALSE(stream_.readInt16Array(read, 4));
  EXPECT_EQ(read[0], 0x0102);
  EXPECT_EQ(read[2], 0x0506);
}

TEST_F(FileStreamTest, RunLengthCodingWritesRunsOfAtMost63AndDecodesAcrossReads) {
  ASSERT_TRUE(open(0, WriteBinary));
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(stream_.writeRunByte(0x05));
  EXPECT_TRUE(stream_.writeRunByte(0xC5));  // high bytes are marked
  EXPECT_TRUE(stream_.writeRunByte(0x3F));
  EXPECT_TRUE(stream_.close());
  EXPECT_EQ(written(), "\xFF\x05\xE5\x05\xC1\xC5\x3F"s);

  // An empty run (C0) delivers nothing; a count byte at the end has no value.
  put("\xC3\x07\x08\xC0\x99\x41\xC2"s);
  ASSERT_TRUE(open(0, ReadBinary));
  std::string decoded;
  uint8_t value;
  while (stream_.readRunByte(value)) decoded += static_cast<char>(value);
  EXPECT_EQ(decoded, "\7\7\7\x08\x41"s);
  EXPECT_TRUE(stream_.atEnd());
}

TEST_F(FileStreamTest, OperationsOutsideTheirModeDoNothingAndFail) {
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
  EXPECT_NE(stream_.seek(0), 0);
  EXPECT_FALSE(stream_.readByte(value));
  EXPECT_FALSE(open(0, 5));
  EXPECT_FALSE(stream_.open(here_, "missing.bin", 0, ReadBinary));
  EXPECT_EQ(written(), "abcd");
  {
    FILE_STREAM forgotten;  // destroyed open: what it holds still reaches the file
    ASSERT_TRUE(forgotten.open(here_, "f.bin", 0, WriteBinary));
    EXPECT_FALSE(forgotten.writeBlock("x", -1));
    forgotten.writeRunByte('z');
  }
  EXPECT_EQ(written(), "z");
}

TEST_F(FileStreamTest, TextIsWrittenAndScanned) {
  ASSERT_TRUE(open(0, WriteText));
  EXPECT_GT(stream_.printFormatted("%d %s\n", 42, "fonts"), 0);
  EXPECT_TRUE(stream_.close());
  ASSERT_TRUE(open(0, ReadText));
  int number = 0;
  EXPECT_EQ(stream_.scanFormatted("%d", &number), 1);
  EXPECT_EQ(number, 42);
  EXPECT_EQ(stream_.readCharacter(), ' ');
}

// A run is written when the next one starts or the stream closes; either
// write may fail, and so may the close that writes what was buffered.
TEST_F(FileStreamTest, FailedWritesOfRunsAndClosesAreReported) {
  for (headless::FileOperation operation :
       {headless::FileOperation::write, headless::FileOperation::close}) {
    ASSERT_TRUE(open(0, WriteBinary));
    headless::failFileOperation(operation, "f.bin");
    EXPECT_TRUE(stream_.writeRunByte(7));  // held back in the run
    EXPECT_EQ(stream_.writeRunByte(8), operation == headless::FileOperation::close);
    EXPECT_FALSE(stream_.close());
    headless::clearFileFailures();
  }
  ASSERT_TRUE(open(0, WriteBinary));
  headless::failFileOperation(headless::FileOperation::write, "f.bin", 2);
  EXPECT_TRUE(stream_.writeRunByte(7) && stream_.writeRunByte(8));
  EXPECT_FALSE(stream_.flushRun());
  headless::clearFileFailures();
}

}  // namespace
