#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "archive/drive_path.h"
#include "archive/file_stream.h"
#include "platform/headless/files.h"
#include "support/temp_folder.h"

using namespace std::string_literals;

namespace {

class FileStreamTest : public testing::Test {
 protected:
  bool open(int32_t byteOrder, int32_t mode) {
    return stream_.open(here_, "f.bin", byteOrder, mode);
  }
  void put(const std::string& contents) { writeFile(folder_ / "f.bin", contents); }
  std::string written() { return readFile(folder_ / "f.bin"); }

  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
  DRIVE_PATH here_;
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
  EXPECT_FALSE(std::filesystem::exists(folder_ / "new.bin"));

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
