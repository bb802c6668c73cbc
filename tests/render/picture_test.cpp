#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "archive/drive_path.h"
#include "platform/headless/disk_events.h"
#include "platform/headless/files.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/image.h"
#include "render/primitives.h"
#include "render/status.h"
#include "render/text.h"
#include "support/temp_folder.h"
#include "support/test_frame.h"

namespace {

// File contents built value by value, little-endian.
struct Bytes : std::string {
  Bytes& u8s(std::initializer_list<int> values) {
    for (int value : values) *this += static_cast<char>(value);
    return *this;
  }
  Bytes& u16s(std::initializer_list<int> values) {
    for (int value : values) u8s({value & 0xFF, (value >> 8) & 0xFF});
    return *this;
  }
  Bytes& u32(uint32_t value) {
    return u16s({static_cast<int>(value & 0xFFFF), static_cast<int>(value >> 16)});
  }
  Bytes& fill(int count, int value) {
    append(static_cast<size_t>(count), static_cast<char>(value));
    return *this;
  }
};

// Picture files are made in a fresh current folder, which `here` names.
struct PictureFolder {
  TempFolder files;
  CurrentFolder inside{files.path()};
  DRIVE_PATH here;  // made after entering the folder
};

// A picture whose pixel (x, y) is `first` + y * w + x.
void fillPicture(IMAGE& picture, int16_t w, int16_t h, uint16_t first, uint8_t is565 = 0) {
  ASSERT_EQ(picture.reallocate(w, h), 0);
  picture.width = w;
  picture.height = h;
  picture.is565 = is565;
  for (int i = 0; i < w * h; ++i) picture.pixels[i] = static_cast<uint16_t>(first + i);
}

// Width, height and 5-6-5 flag; and the pixels, row by row.
std::vector<int> shapeOf(const IMAGE& picture) {
  return {picture.width, picture.height, picture.is565};
}
std::vector<uint16_t> pixelsOf(const IMAGE& picture) {
  return {picture.pixels, picture.pixels + picture.width * picture.height};
}

// The 5-5-5 word of 8-bit red, green and blue.
uint16_t from8Bit(int red, int green, int blue) {
  return static_cast<uint16_t>((red >> 3) << 10 | (green >> 3) << 5 | blue >> 3);
}

using PictureLoader = int (IMAGE::*)(const DRIVE_PATH&, const char*);

// Writes each file and loads it over a picture that already holds one: every
// load must give `status` and leave that picture as it was. A missing file is
// not opened.
void expectRefused(PictureLoader load, int status,
                   const std::vector<std::pair<std::string, Bytes>>& files) {
  PictureFolder folder;
  IMAGE picture;
  fillPicture(picture, 2, 2, 7);
  // Its size, pixel array and content.
  const auto state = [&] {
    return std::make_tuple(shapeOf(picture), picture.pixels, pixelsOf(picture));
  };
  const auto before = state();
  for (const auto& [name, bytes] : files) {
    writeFile(name, bytes);
    EXPECT_EQ((picture.*load)(folder.here, name.c_str()), status) << name;
    EXPECT_EQ(state(), before) << name;
  }
  EXPECT_EQ((picture.*load)(folder.here, "missing"), kStatusFileNotOpened);
}

// An empty picture is not put.
TEST(Image, PutAndGrabClipAtEveryEdgeAndNothingTouchesAnOpeningFrame) {
  TestFrame frame;
  IMAGE picture;
  EXPECT_EQ(picture.put(frame, 0, 0), kStatusPictureEmpty);
  EXPECT_TRUE(frame.dirty.isEmpty());
  fillPicture(picture, 20, 10, 1);
  ASSERT_EQ(picture.put(frame, 540, 345), kStatusOk);
  EXPECT_EQ(frame.countNot(0), 10 * 5);
  EXPECT_EQ(frame.at(540, 345), 1);
  EXPECT_EQ(frame.at(549, 349), 1 + 4 * 20 + 9);  // its pixel (9, 4)
  EXPECT_EQ((std::pair<int, int>(frame.dirty.left, frame.dirty.bottom)), std::make_pair(540, 349));

  frame.fill(0);
  ASSERT_EQ(picture.put(frame, -5, -3), kStatusOk);
  EXPECT_EQ(frame.countNot(0), 15 * 7);
  EXPECT_EQ(frame.at(0, 0), 1 + 3 * 20 + 5);    // its pixel (5, 3)
  EXPECT_EQ(frame.at(14, 6), 1 + 9 * 20 + 19);  // its last pixel

  // Wholly off the frame, only the pixel nearest to it lands on the edge.
  frame.fill(0);
  ASSERT_EQ(picture.put(frame, -100, -50), kStatusOk);
  ASSERT_EQ(picture.put(frame, 600, 400), kStatusOk);
  EXPECT_EQ(frame.lit(), (std::vector<std::pair<int, int>>{{0, 0}, {549, 349}}));
  EXPECT_EQ(frame.at(0, 0), 1 + 9 * 20 + 19);

  // Grabbed, a picture takes the clamped size and reuses pixels of the same
  // size.
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x)
      *framePixel(frame, x, y) = static_cast<uint16_t>(x + 100 * y);
  IMAGE grabbed;
  ASSERT_EQ(grabbed.grab(frame, 540, 340, 20, 20), kStatusOk);
  EXPECT_EQ(shapeOf(grabbed), (std::vector<int>{10, 10, 0}));
  EXPECT_EQ(grabbed.pixelAt(9, 9), 549 + 100 * 349);

  ASSERT_EQ(grabbed.grab(frame, -5, -3, 20, 13), kStatusOk);
  EXPECT_EQ(shapeOf(grabbed), (std::vector<int>{15, 10, 0}));
  EXPECT_EQ(grabbed.pixelAt(0, 0), 0);
  EXPECT_EQ(grabbed.pixelAt(14, 9), 14 + 900);

  const uint16_t* kept = grabbed.pixels;
  ASSERT_EQ(grabbed.grab(frame, 100, 100, 15, 10), kStatusOk);
  EXPECT_EQ(grabbed.pixels, kept);
  EXPECT_EQ(grabbed.pixelAt(0, 0), 100 + 10000);
  // 5-6-5 words are given as 5-5-5; outside the picture or without pixels, 0.
  grabbed.is565 = 1;
  EXPECT_EQ(
      (std::vector<int>{grabbed.pixelAt(0, 0), grabbed.pixelAt(15, 0), grabbed.pixelAt(0, 10),
                        grabbed.pixelAt(-1, 0), grabbed.pixelAt(0, -1), IMAGE().pixelAt(0, 0)}),
      (std::vector<int>{0x13B4, 0, 0, 0, 0, 0}));  // 10100 is 0x2774

  // While the frame opens, with its pixels already there, nothing is drawn,
  // read, measured or grabbed, and nothing is marked.
  frame.reopen();
  frame.opening = 1;
  const uint8_t mask[1] = {1};
  IMAGE none;
  EXPECT_EQ(
      (std::vector<int>{picture.put(frame, 0, 0), none.grab(frame, 0, 0, 5, 5),
                        drawLine(frame, 0, 0, 10, 10, kLineSolid, 0x7FFF),
                        drawRect(frame, 0, 0, 10, 10, kShapeFilled, 0x7FFF),
                        drawCircle(frame, 0, 0, 10, 10, kShapeFilled, 0x7FFF),
                        fillMask(frame, 0, 0, 1, 1, 0x7FFF, mask), fontHeight(frame, kFontBody),
                        textWidth(frame, kFontBody, "A"), glyphGap(frame, kFontBody, "AB", 1),
                        drawText(frame, 0, 0, kFontBody, 0x7FFF, nullptr)}),
      std::vector<int>(10, kStatusFrameNotOpen));
  EXPECT_EQ(readPixel(frame, 0, 0), 0);
  EXPECT_EQ(none.pixels, nullptr);
  EXPECT_TRUE(frame.dirty.isEmpty());
  EXPECT_EQ(frame.countNot(0), 0);
  frame.opening = 0;
  frame.release();
  EXPECT_FALSE(isFrameReady(frame));
}

Bytes rawHeader(int w, int h, int is565) {
  return Bytes().u32(0).u16s({w, h}).u8s({is565});
}

Bytes surfaceDump(uint32_t w, uint32_t h, uint32_t greenMask) {
  return Bytes().u32(w).u32(h).fill(8, 0xAA).fill(20, 0).u32(greenMask).fill(8, 0);
}

// Both formats refuse an empty picture and report a missing folder and a full
// disk (most of a picture leaves the stream's buffer only when it is closed);
// what they save loads back into pixels of the same size, from PCX files
// without the top bit.
TEST(PictureSave, EachFormatReportsFailuresAndLoadsBackWhatItSaved) {
  const PictureFolder folder;
  IMAGE saved;
  fillPicture(saved, 67, 3, 0);
  for (int i = 0; i < 67 * 3; ++i)
    saved.pixels[i] = static_cast<uint16_t>(i < 70 ? 0x9234 : i * 157);  // runs across lines
  using PictureSaver = int (IMAGE::*)(const DRIVE_PATH&, const char*) const;
  const std::tuple<PictureSaver, PictureLoader, int> formats[] = {
      {&IMAGE::saveRaw, &IMAGE::loadRaw, 0xFFFF}, {&IMAGE::savePcx, &IMAGE::loadPcx, 0x7FFF}};
  for (const auto& [save, load, kept] : formats) {
    IMAGE empty, loaded;
    EXPECT_EQ((empty.*save)(folder.here, "empty"), kStatusPictureEmpty);
    EXPECT_FALSE(std::filesystem::exists("empty"));
    EXPECT_EQ((saved.*save)(folder.here, "no\\such\\folder"), kStatusFileNotOpened);
    headless::failFileOperation(headless::FileOperation::close, "full");
    EXPECT_EQ((saved.*save)(folder.here, "full"), kStatusWriteFailed);
    headless::clearFileFailures();
    ASSERT_EQ((saved.*save)(folder.here, "copy"), kStatusOk);
    fillPicture(loaded, 67, 3, 0);
    const uint16_t* pixels = loaded.pixels;
    ASSERT_EQ((loaded.*load)(folder.here, "copy"), kStatusOk);
    EXPECT_EQ(loaded.pixels, pixels);
    ASSERT_EQ(shapeOf(loaded), (std::vector<int>{67, 3, 0}));
    for (int i = 0; i < 67 * 3; ++i) EXPECT_EQ(loaded.pixels[i], saved.pixels[i] & kept) << i;
  }
}

struct PcxShape {
  int manufacturer = 10, version = 5, encoding = 1, bitsPerPixel = 8, planes = 3;
  int xMin = 0, yMin = 0, xMax = 0, yMax = 0, bytesPerLine = 0;
};

Bytes pcxHeader(const PcxShape& s) {
  return Bytes()
      .u8s({s.manufacturer, s.version, s.encoding, s.bitsPerPixel})
      .u16s({s.xMin, s.yMin, s.xMax, s.yMax})
      .fill(4 + 48 + 1, 0)  // resolution, palette, reserved
      .u8s({s.planes})
      .u16s({s.bytesPerLine, 1})
      .fill(4 + 54, 0);  // screen size, filler
}

TEST(Pcx, LoadingDropsLinePaddingAndSavingEndsRunsWithEachPlaneLine) {
  PictureFolder folder;
  writeFile("a.pcx", pcxHeader({.xMax = 2, .yMax = 1, .bytesPerLine = 4})
                         // Row 0, literal bytes; each plane line ends in a padding byte.
                         .u8s({8, 16, 24, 0xC1, 0xFF, 32, 40, 48, 0xC1, 0xEE, 56, 64, 72, 0x99})
                         // Row 1 in runs, two of them running on into the padding.
                         .u8s({0xC3, 0xF8, 0x01, 0xC4, 0x00, 0xC4, 0x80}));
  IMAGE picture;
  picture.is565 = 1;
  ASSERT_EQ(picture.loadPcx(folder.here, "a.pcx"), kStatusOk);
  ASSERT_EQ(shapeOf(picture), (std::vector<int>{3, 2, 0}));
  const uint16_t row1 = from8Bit(0xF8, 0, 0x80);
  EXPECT_EQ(pixelsOf(picture), (std::vector<uint16_t>{from8Bit(8, 32, 56), from8Bit(16, 40, 64),
                                                      from8Bit(24, 48, 72), row1, row1, row1}));

  // Saved, an odd width is written as its bytes a line.
  fillPicture(picture, 5, 2, 0);
  for (int i = 0; i < 10; ++i) picture.pixels[i] = 0x7FFF;
  ASSERT_EQ(picture.savePcx(folder.here, "white.pcx"), kStatusOk);
  EXPECT_EQ(readFile("white.pcx"), pcxHeader({.xMax = 4, .yMax = 1, .bytesPerLine = 5})
                                       .u8s({0xC5, 0xF8, 0xC5, 0xF8, 0xC5, 0xF8})
                                       .u8s({0xC5, 0xF8, 0xC5, 0xF8, 0xC5, 0xF8}));
  // The six green bits of a 5-6-5 picture are all kept.
  fillPicture(picture, 1, 1, 0xFFFF, 1);
  ASSERT_EQ(picture.savePcx(folder.here, "565.pcx"), kStatusOk);
  EXPECT_EQ(readFile("565.pcx").substr(128), "\xC1\xF8\xC1\xFC\xC1\xF8");
}

TEST(PictureLoad, FiveSixFiveWordsLoadAsFiveFiveFiveAndBadFilesAreRefusedKeepingThePicture) {
  PictureFolder folder;
  writeFile("a.raw", rawHeader(3, 1, 1).u16s({0xFFFF, 0x07E0, 0x001F}));
  // The green mask tells a 5-6-5 dump from a 5-5-5 one.
  writeFile("565.dump", surfaceDump(3, 1, 0x07E0).u16s({0xFFFF, 0x07E0, 0x001F}));
  writeFile("555.dump", surfaceDump(1, 2, 0x03E0).u16s({0xFFFF, 0x07E0}));
  IMAGE picture;
  const std::pair<PictureLoader, const char*> loads[] = {{&IMAGE::loadRaw, "a.raw"},
                                                         {&IMAGE::loadSurfaceDump, "565.dump"}};
  for (const auto& [load, name] : loads) {
    ASSERT_EQ((picture.*load)(folder.here, name), kStatusOk);
    EXPECT_EQ(shapeOf(picture), (std::vector<int>{3, 1, 0}));
    EXPECT_EQ(pixelsOf(picture), (std::vector<uint16_t>{0x7FFF, 0x03E0, 0x001F}));
  }
  headless::failFileOperation(headless::FileOperation::read, "a.raw", 6);  // the pixels
  EXPECT_EQ(picture.loadRaw(folder.here, "a.raw"), kStatusReadFailed);
  headless::clearFileFailures();
  ASSERT_EQ(picture.loadSurfaceDump(folder.here, "555.dump"), kStatusOk);
  EXPECT_EQ(shapeOf(picture), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(pixelsOf(picture), (std::vector<uint16_t>{0xFFFF, 0x07E0}));

  expectRefused(&IMAGE::loadRaw, kStatusReadFailed,
                {{"negative", rawHeader(-2, 1, 0).u16s({1, 2})},
                 {"zero", rawHeader(2, 0, 0).u16s({1, 2})},
                 {"short", rawHeader(2, 2, 0).u16s({1, 2, 3})},
                 {"huge", rawHeader(32767, 32767, 0).u16s({1})},
                 {"header", Bytes().u32(0).u16s({2, 2})}});
  expectRefused(&IMAGE::loadSurfaceDump, kStatusReadFailed,
                {{"wide", surfaceDump(32768, 1, 0).fill(8, 1)},
                 {"negative", surfaceDump(0xFFFFFFFF, 1, 0).fill(8, 1)},
                 {"zero", surfaceDump(0, 4, 0).fill(8, 1)},
                 {"short", surfaceDump(2, 2, 0).fill(6, 1)},
                 {"huge", surfaceDump(32767, 32767, 0).fill(2, 1)},
                 {"header", Bytes().u32(1).u32(1).fill(30, 0)}});
  std::vector<std::pair<std::string, Bytes>> unsupported;
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
                 {"coded data", Bytes(header).u8s({0x10})},            // not even 48 bytes in runs
                 {"data", Bytes(header).fill(40, 0x10)},               // 48 bytes needed
                 {"run", Bytes(header).fill(44, 0x10).u8s({0xC4})}});  // a count without its byte
}

}  // namespace
