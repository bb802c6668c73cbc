#include <gtest/gtest.h>

#include <string>

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
      .u8s({s.manufacturer, s.version, s.encoding, s.bitsPerPixel})
      .u16s({s.xMin, s.yMin, s.xMax, s.yMax})
      .fill(4 + 48 + 1, 0)  // resolution, palette, reserved
      .u8(s.planes)
      .u16s({s.bytesPerLine, 1})
      .fill(4 + 54, 0);  // screen size, filler
}

TEST(PcxLoad, DropsThePaddingOfLinesLongerThanThePicture) {
  PictureFolder folder;
  folder.write("a.pcx", pcxHeader({.xMax = 2, .yMax = 1, .bytesPerLine = 4})
                            // Row 0, literal bytes; each plane line ends in a padding byte.
                            .u8s({8, 16, 24, 0xC1, 0xFF, 32, 40, 48, 0xC1, 0xEE, 56, 64, 72, 0x99})
                            // Row 1 in runs, two of them running on into the padding.
                            .u8s({0xC3, 0xF8, 0x01, 0xC4, 0x00, 0xC4, 0x80}));
  IMAGE picture;
  picture.is565 = 1;
  ASSERT_EQ(picture.loadPcx(folder.directory(), "a.pcx"), kStatusOk);
  ASSERT_EQ(shapeOf(picture), (std::vector<int>{3, 2, 0}));
  const uint16_t row1 = from8Bit(0xF8, 0, 0x80);
  EXPECT_EQ(pixelsOf(picture), (std::vector<uint16_t>{from8Bit(8, 32, 56), from8Bit(16, 40, 64),
                                                      from8Bit(24, 48, 72), row1, row1, row1}));
}

TEST(PcxSave, WritesAnOddWidthAsItsBytesPerLineAndEndsRunsWithEachPlaneLine) {
  PictureFolder folder;
  IMAGE picture;
  EXPECT_EQ(picture.savePcx(folder.directory(), "empty.pcx"), kStatusPictureEmpty);
  fillPicture(picture, 5, 2, 0);
  for (int i = 0; i < 10; ++i) picture.pixels[i] = 0x7FFF;
  ASSERT_EQ(picture.savePcx(folder.directory(), "white.pcx"), kStatusOk);
  EXPECT_EQ(folder.read("white.pcx"), pcxHeader({.xMax = 4, .yMax = 1, .bytesPerLine = 5})
                                          .u8s({0xC5, 0xF8, 0xC5, 0xF8, 0xC5, 0xF8})
                                          .u8s({0xC5, 0xF8, 0xC5, 0xF8, 0xC5, 0xF8})
                                          .str());
  // The six green bits of a 5-6-5 picture are all kept.
  fillPicture(picture, 1, 1, 0xFFFF, 1);
  ASSERT_EQ(picture.savePcx(folder.directory(), "565.pcx"), kStatusOk);
  EXPECT_EQ(folder.read("565.pcx").substr(128), "\xC1\xF8\xC1\xFC\xC1\xF8");

  // Pictures come back as they were saved, less the top bit.
  IMAGE loaded;
  fillPicture(picture, 67, 3, 0);
  for (int i = 0; i < 67 * 3; ++i)
    picture.pixels[i] = static_cast<uint16_t>(i < 70 ? 0x9234 : i * 157);
  ASSERT_EQ(picture.savePcx(folder.directory(), "b.pcx"), kStatusOk);
  ASSERT_EQ(loaded.loadPcx(folder.directory(), "b.pcx"), kStatusOk);
  ASSERT_EQ(shapeOf(loaded), (std::vector<int>{67, 3, 0}));
  for (int i = 0; i < 67 * 3; ++i) EXPECT_EQ(loaded.pixels[i], picture.pixels[i] & 0x7FFF) << i;
}

TEST(PcxLoad, RefusesOtherKindsShapesAndShortFilesBeforeTouchingThePicture) {
  NamedFiles unsupported;
  for (const PcxShape& shape : {
           PcxShape{.manufacturer = 11, .xMax = 1, .bytesPerLine = 2},
           PcxShape{.version = 3, .xMax = 1, .bytesPerLine = 2},
           PcxShape{.encoding = 0, .xMax = 1, .bytesPerLine = 2},
           PcxShape{.bitsPerPixel = 1, .xMax = 1, .bytesPerLine = 2},  // not true colour
           PcxShape{.planes = 1, .xMax = 1, .bytesPerLine = 2},        // a palette
           PcxShape{.xMin = 5, .xMax = 1, .bytesPerLine = 2},          // backwards
           PcxShape{.xMax = 1, .bytesPerLine = 1},                     // lines too narrow
           PcxShape{.xMin = -32768, .xMax = 0, .bytesPerLine = 0x7FFF},
       })
    unsupported.emplace_back(std::to_string(unsupported.size()), pcxHeader(shape).fill(6, 0x10));
  expectRefused(&IMAGE::loadPcx, kStatusPictureUnsupported, unsupported);

  const Bytes header = pcxHeader({.xMax = 3, .yMax = 3, .bytesPerLine = 4});
  expectRefused(&IMAGE::loadPcx, kStatusReadFailed,
                {{"header", Bytes().u8s({10, 5, 1, 8}).fill(40, 0)},
                 {"coded data", Bytes(header).u8(0x10)},            // not even 48 bytes in runs
                 {"data", Bytes(header).fill(40, 0x10)},            // 48 bytes needed
                 {"run", Bytes(header).fill(44, 0x10).u8(0xC4)}});  // a count without its byte
}

}  // namespace
