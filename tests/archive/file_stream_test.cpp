#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "archive/drive_path.h"
#include "archive/file_stream.h"
#include "support/temp_folder.h"

namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string result;
  for (int value : values) result += static_cast<char>(value);
  return result;
}

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
  EXPECT_EQ(written(), bytes({0, 0, 0, 0, 0x34, 0x12}));

  uint16_t value = 0;
  for (int mark : {2, 5}) {  // any mark but 2 is little-endian
    put(bytes({mark, 0, 0, 0, 0x12, 0x34}));
    ASSERT_TRUE(stream_.openWithOrderMark(here_, "f.bin", ReadBinary));
    EXPECT_EQ(stream_.tell(), 4);
    EXPECT_TRUE(stream_.readInt16(value));
    EXPECT_EQ(value, mark == 2 ? 0x1234 : 0x3412);
    stream_.close();
  }
}

TEST_F(FileStreamTest, AppendingWritesAtTheEndAndOnlyInTheFilesByteOrder) {
  put(bytes({5, 0, 0, 0, 0x12, 0x34}));
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
  EXPECT_EQ(written(), bytes({0x0A, 0x0B, 0x0C, 0x0D, 1, 2, 3, 4, 5, 6, 0xEE}));

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
  EXPECT_EQ(written(), bytes({0xFF, 0x05, 0xE5, 0x05, 0xC1, 0xC5, 0x3F}));

  // An empty run (C0) delivers nothing; a count byte at the end has no value.
  put(bytes({0xC3, 0x07, 0x08, 0xC0, 0x99, 0x41, 0xC2}));
  ASSERT_TRUE(open(0, ReadBinary));
  std::string decoded;
  uint8_t value;
  while (stream_.readRunByte(value)) decoded += static_cast<char>(value);
  EXPECT_EQ(decoded, bytes({7, 7, 7, 8, 0x41}));
  EXPECT_TRUE(stream_.atEnd());
}

TEST_F(FileStreamTest, OperationsOutsideTheirModeDoNothingAndFail) {
  put("abcd");
  uint8_t value;
  ASSERT_TRUE(open(0, ReadBinary));
  EXPECT_FALSE(stream_.writeRunByte(1));
  EXPECT_EQ(stream_.printFormatted("x"), -1);
  EXPECT_FALSE(open(0, ReadBinary));  // already open
  stream_.close();
  ASSERT_TRUE(open(0, AppendBinary));
  EXPECT_FALSE(stream_.readRunByte(value));
  EXPECT_FALSE(stream_.writeRunByte(value));
  stream_.close();

  EXPECT_NE(stream_.seek(0), 0);
  EXPECT_FALSE(stream_.readByte(value));
  EXPECT_FALSE(open(0, 5));
  EXPECT_FALSE(stream_.open(here_, "missing.bin", 0, ReadBinary));
  EXPECT_EQ(written(), "abcd");
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

#ifndef _WIN32
TEST(FileStreamFailureTest, ClosingReportsBytesThatCouldNotBeWritten) {
  CurrentFolder inDev("/dev");
  DRIVE_PATH dev;
  FILE_STREAM stream;
  ASSERT_TRUE(stream.open(dev, "full", 0, WriteBinary));
  EXPECT_TRUE(stream.writeRunByte(7));
  EXPECT_FALSE(stream.close());
}
#endif

}  // namespace
