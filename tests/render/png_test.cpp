#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "png/png.h"
#include "png/zlib_stream.h"
#include "support/temp_folder.h"

namespace {

png::Image patterned(int width, int height) {
  png::Image image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.rgb.push_back(static_cast<uint8_t>(y * 8));
      image.rgb.push_back(static_cast<uint8_t>((x / 7) * 40));
      image.rgb.push_back(static_cast<uint8_t>((x * y) ^ 0x5A));
    }
  }
  return image;
}

TEST(Png, WhatIsWrittenReadsBackExactlyFromMemoryAndFromFiles) {
  TempFolder folder;
  const std::string path = (folder / "picture.png").string();
  for (const png::Image& image : {patterned(1, 1), patterned(37, 11), patterned(550, 350)}) {
    png::Image read, fromFile;
    ASSERT_TRUE(png::decode(png::encode(image), read));
    ASSERT_TRUE(png::writeFile(path, image) && png::readFile(path, fromFile));
    for (const png::Image* got : {&read, &fromFile}) {
      EXPECT_EQ(got->width, image.width);
      EXPECT_EQ(got->height, image.height);
      EXPECT_EQ(got->rgb, image.rgb);
    }
  }
  png::Image read;
  EXPECT_FALSE(png::readFile((folder / "missing.png").string(), read));
  // A flat frame stays small.
  const png::Image flat{550, 350, std::vector<uint8_t>(550 * 350 * 3, 0x40)};
  EXPECT_LT(png::encode(flat).size(), flat.rgb.size() / 100);
}

TEST(Png, DamagedFilesAreRefused) {
  const std::vector<uint8_t> good = png::encode(patterned(20, 10));
  png::Image read;
  for (size_t at : {size_t{0}, size_t{20}, good.size() / 2, good.size() - 5}) {
    std::vector<uint8_t> bad = good;
    bad[at] ^= 0x10;
    EXPECT_FALSE(png::decode(bad, read)) << "flipped byte " << at;
  }
  for (size_t size = 0; size < good.size(); size += 7) {
    EXPECT_FALSE(png::decode({good.begin(), good.begin() + static_cast<ptrdiff_t>(size)}, read));
  }
}

TEST(ZlibStream, ReadsStoredBlocksAndRefusesOversizedOutput) {
  const std::vector<uint8_t> stored = {0x78, 0x01, 0x01, 3,    0,    0xFC, 0xFF,
                                       'a',  'b',  'c',  0x02, 0x4D, 0x01, 0x27};
  std::vector<uint8_t> out;
  ASSERT_TRUE(png::zlibDecompress(stored, out, 100));
  EXPECT_EQ(out, (std::vector<uint8_t>{'a', 'b', 'c'}));
  EXPECT_FALSE(png::zlibDecompress(stored, out, 2));

  const std::vector<uint8_t> compressed = png::zlibCompress(std::vector<uint8_t>(5000, 7));
  EXPECT_TRUE(png::zlibDecompress(compressed, out, 5000));
  EXPECT_FALSE(png::zlibDecompress(compressed, out, 4999));
}

}  // namespace
