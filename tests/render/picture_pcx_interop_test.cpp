// PCX files are exchanged with other programs: ours must open in ordinary
// image tools, and theirs must load here.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "picture_files.h"
#include "render/image.h"
#include "render/status.h"

namespace {

constexpr int kWidth = 37;  // odd, so lines of an even length carry padding
constexpr int kHeight = 11;

struct Rgb {
  int red, green, blue;
};

// A colour for every pixel that runs through all levels of every channel.
Rgb colourAt(int x, int y) {
  return {(x * 7 + y) & 0xFF, (x * 3 + y * 29) & 0xFF, (255 - x * 5 - y * 11) & 0xFF};
}

// The pixels of a binary PPM with 8-bit channels, row by row.
std::string ppmPixels(const std::string& file, int& width, int& height) {
  std::istringstream in(file);
  std::string magic;
  int maximum = 0;
  in >> magic >> width >> height >> maximum;
  in.get();
  if (magic != "P6" || maximum != 255) return {};
  return file.substr(static_cast<size_t>(in.tellg()));
}

class PcxInterop : public testing::Test {
 protected:
  void SetUp() override {
    if (!imageToolAvailable()) GTEST_SKIP() << "ImageMagick is not reachable from here";
  }
  PictureFolder folder_;
};

TEST_F(PcxInterop, ASavedPictureOpensInTheImageToolWithTheSameColours) {
  IMAGE picture;
  fillPicture(picture, kWidth, kHeight, 0);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgb c = colourAt(x, y);
      picture.pixels[y * kWidth + x] =
          static_cast<uint16_t>((c.red >> 3) << 10 | (c.green >> 3) << 5 | c.blue >> 3);
    }
  }
  ASSERT_EQ(picture.savePcx(folder_.directory(), "ours.pcx"), kStatusOk);
  ASSERT_TRUE(convertWithImageTool((folder_ / "ours.pcx").string() + " -depth 8 " +
                                   (folder_ / "ours.ppm").string()));

  int width = 0, height = 0;
  const std::string rgb = ppmPixels(folder_.read("ours.ppm"), width, height);
  ASSERT_EQ(width, kWidth);
  ASSERT_EQ(height, kHeight);
  ASSERT_EQ(rgb.size(), size_t{kWidth * kHeight * 3});
  for (int i = 0; i < kWidth * kHeight; ++i) {
    const Rgb c = colourAt(i % kWidth, i / kWidth);
    EXPECT_EQ(static_cast<uint8_t>(rgb[i * 3]), c.red & 0xF8) << i;
    EXPECT_EQ(static_cast<uint8_t>(rgb[i * 3 + 1]), c.green & 0xF8) << i;
    EXPECT_EQ(static_cast<uint8_t>(rgb[i * 3 + 2]), c.blue & 0xF8) << i;
  }
}

TEST_F(PcxInterop, ATrueColourPcxFromTheImageToolLoads) {
  std::string ppm = "P6\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n";
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgb c = colourAt(x, y);
      ppm += {static_cast<char>(c.red), static_cast<char>(c.green), static_cast<char>(c.blue)};
    }
  }
  writeFile(folder_ / "theirs.ppm", ppm);
  ASSERT_TRUE(convertWithImageTool((folder_ / "theirs.ppm").string() + " -type TrueColor " +
                                   (folder_ / "theirs.pcx").string()));
  ASSERT_EQ(folder_.read("theirs.pcx")[65], 3) << "not written as three planes";

  IMAGE picture;
  ASSERT_EQ(picture.loadPcx(folder_.directory(), "theirs.pcx"), kStatusOk);
  ASSERT_EQ(picture.width, kWidth);
  ASSERT_EQ(picture.height, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgb c = colourAt(x, y);
      EXPECT_EQ(picture.pixelAt(static_cast<int16_t>(x), static_cast<int16_t>(y)),
                (c.red >> 3) << 10 | (c.green >> 3) << 5 | c.blue >> 3)
          << x << "," << y;
    }
  }
}

}  // namespace
