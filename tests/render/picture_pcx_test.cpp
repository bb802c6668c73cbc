#include <gtest/gtest.h>

#include "picture_files.h"
#include "render/image.h"
#include "render/status.h"

namespace {

struct PcxShape {
  int manufacturer = 10, version = 5, encoding = 1, bitsPerPixel = 8, planes = 3;
  int xMin = 0, yMin = 0, xMax = 0, yMax = 0, bytesPerLine = 0;
};

Bytes pcxHeader(const PcxShape& s) {
  return Bytes()
      .u8(s.manufacturer)
      .u8(s.version)
      .u8(s.encoding)
      .u8(s.bitsPerPixel)
      .u16(s.xMin)
      .u16(s.yMin)
      .u16(s.xMax)
      .u16(s.yMax)
      .fill(4 + 48 + 1, 0)  // resolution, palette, reserved
      .u8(s.planes)
      .u16(s.bytesPerLine)
      .u16(1)
      .fill(4 + 54, 0);  // screen size, filler
}

uint16_t from8Bit(int red, int green, int blue) {
  return static_cast<uint16_t>((red >> 3) << 10 | (green >> 3) << 5 | blue >> 3);
}

TEST(PcxLoad, DropsThePaddingOfLinesLongerThanThePicture) {
  PictureFolder folder;
  Bytes file = pcxHeader({.xMax = 2, .yMax = 1, .bytesPerLine = 4});
  // Row 0, literal bytes; each plane line ends in a padding byte.
  file.u8(8).u8(16).u8(24).u8(0xC1).u8(0xFF);
  file.u8(32).u8(40).u8(48).u8(0xC1).u8(0xEE);
  file.u8(56).u8(64).u8(72).u8(0x99);
  // Row 1 in runs, two of them running on into the padding.
  file.u8(0xC3).u8(0xF8).u8(0x01).u8(0xC4).u8(0x00).u8(0xC4).u8(0x80);
  folder.write("a.pcx", file);

  IMAGE picture;
  picture.is565 = 1;
  ASSERT_EQ(picture.loadPcx(folder.directory(), "a.pcx"), kStatusOk);
  ASSERT_EQ(picture.width, 3);
  ASSERT_EQ(picture.height, 2);
  EXPECT_EQ(picture.is565, 0);
  EXPECT_EQ(picture.pixels[0], from8Bit(8, 32, 56));
  EXPECT_EQ(picture.pixels[1], from8Bit(16, 40, 64));
  EXPECT_EQ(picture.pixels[2], from8Bit(24, 48, 72));
  for (int x = 3; x < 6; ++x) EXPECT_EQ(picture.pixels[x], from8Bit(0xF8, 0, 0x80));
}

TEST(PcxSave, WritesAnOddWidthAsItsBytesPerLineAndEndsRunsWithEachPlaneLine) {
  PictureFolder folder;
  IMAGE picture;
  EXPECT_EQ(picture.savePcx(folder.directory(), "empty.pcx"), kStatusPictureEmpty);
  fillPicture(picture, 5, 2, 0);
  for (int i = 0; i < 10; ++i) picture.pixels[i] = 0x7FFF;
  ASSERT_EQ(picture.savePcx(folder.directory(), "white.pcx"), kStatusOk);
  std::string data;
  for (int line = 0; line < 6; ++line) data += "\xC5\xF8";
  EXPECT_EQ(folder.read("white.pcx"),
            pcxHeader({.xMax = 4, .yMax = 1, .bytesPerLine = 5}).str() + data);

  // The six green bits of a 5-6-5 picture are all kept.
  fillPicture(picture, 1, 1, 0xFFFF, 1);
  ASSERT_EQ(picture.savePcx(folder.directory(), "565.pcx"), kStatusOk);
  EXPECT_EQ(folder.read("565.pcx").substr(128), "\xC1\xF8\xC1\xFC\xC1\xF8");
}

TEST(PcxSave, PicturesComeBackAsTheyWereSaved) {
  PictureFolder folder;
  IMAGE saved, loaded;
  fillPicture(saved, 67, 3, 0);
  for (int i = 0; i < 67 * 3; ++i)
    saved.pixels[i] = static_cast<uint16_t>(i < 70 ? 0x9234 : i * 157);
  ASSERT_EQ(saved.savePcx(folder.directory(), "b.pcx"), kStatusOk);
  ASSERT_EQ(loaded.loadPcx(folder.directory(), "b.pcx"), kStatusOk);
  ASSERT_EQ(loaded.width, 67);
  ASSERT_EQ(loaded.height, 3);
  for (int i = 0; i < 67 * 3; ++i) EXPECT_EQ(loaded.pixels[i], saved.pixels[i] & 0x7FFF) << i;
}

TEST(PcxLoad, RefusesOtherKindsAndShapesOfPcxBeforeTouchingThePicture) {
  PictureFolder folder;
  const struct {
    const char* name;
    PcxShape shape;
  } refused[] = {
      {"maker.pcx", {.manufacturer = 11, .xMax = 1, .bytesPerLine = 2}},
      {"version.pcx", {.version = 3, .xMax = 1, .bytesPerLine = 2}},
      {"encoding.pcx", {.encoding = 0, .xMax = 1, .bytesPerLine = 2}},
      {"bits.pcx", {.bitsPerPixel = 1, .xMax = 1, .bytesPerLine = 2}},
      {"palette.pcx", {.planes = 1, .xMax = 1, .bytesPerLine = 2}},
      {"backwards.pcx", {.xMin = 5, .xMax = 1, .bytesPerLine = 2}},
      {"narrow-lines.pcx", {.xMax = 1, .bytesPerLine = 1}},
      {"too-wide.pcx", {.xMin = -32768, .xMax = 0, .bytesPerLine = 0x7FFF}},
  };
  IMAGE picture;
  fillPicture(picture, 2, 2, 7);
  const auto before = pictureState(picture);
  for (const auto& [name, shape] : refused) {
    folder.write(name, pcxHeader(shape).fill(6, 0x10));
    EXPECT_EQ(picture.loadPcx(folder.directory(), name), kStatusPictureUnsupported) << name;
    EXPECT_EQ(pictureState(picture), before) << name;
  }
}

TEST(PcxLoad, AFileThatEndsEarlyIsAReadFailureAndKeepsTheOldPicture) {
  PictureFolder folder;
  const Bytes header = pcxHeader({.xMax = 3, .yMax = 3, .bytesPerLine = 4});
  folder.write("header.pcx", Bytes().u8(10).u8(5).u8(1).u8(8).fill(40, 0));
  folder.write("data.pcx", Bytes(header).fill(40, 0x10));          // 48 bytes needed
  folder.write("run.pcx", Bytes(header).fill(44, 0x10).u8(0xC4));  // a count without its byte
  IMAGE picture;
  fillPicture(picture, 4, 4, 7);
  const auto before = pictureState(picture);
  for (const char* name : {"header.pcx", "data.pcx", "run.pcx"}) {
    EXPECT_EQ(picture.loadPcx(folder.directory(), name), kStatusReadFailed) << name;
    EXPECT_EQ(pictureState(picture), before) << name;
  }
  EXPECT_EQ(picture.loadPcx(folder.directory(), "missing.pcx"), kStatusFileNotOpened);
}

}  // namespace
