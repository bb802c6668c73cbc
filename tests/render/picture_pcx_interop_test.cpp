// PCX files are exchanged with other programs: ours must open in ordinary
// image tools, and theirs must load here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "picture_files.h"
#include "render/image.h"
#include "render/status.h"

namespace {

constexpr int kWidth = 37;  // odd: no line padding on our side
constexpr int kHeight = 11;

// Runs the image tool's convert natively; under Wine it is out of reach.
bool convertWithImageTool(const std::string& arguments) {
#ifdef _WIN32
  (void)arguments;
  return false;
#else
  return std::system(("convert " + arguments + " >/dev/null 2>&1").c_str()) == 0;
#endif
}

// 8-bit red, green and blue for every pixel, running through all levels.
std::string colours() {
  std::string rgb;
  for (int i = 0; i < kWidth * kHeight; ++i)
    rgb += {static_cast<char>(i * 7), static_cast<char>(i * 3 + 100), static_cast<char>(255 - i)};
  return rgb;
}

uint16_t from8Bit(const std::string& rgb, int i) {
  const auto channel = [&](int c) { return static_cast<uint8_t>(rgb[i * 3 + c]); };
  return ::from8Bit(channel(0), channel(1), channel(2));
}

class PcxInterop : public testing::Test {
 protected:
  void SetUp() override {
    if (!convertWithImageTool("-version")) GTEST_SKIP() << "ImageMagick is not reachable here";
  }
  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  PictureFolder folder_;
};

TEST_F(PcxInterop, OurFilesOpenThereAndTrueColourFilesFromThereLoadHere) {
  const std::string rgb = colours();
  IMAGE picture;
  fillPicture(picture, kWidth, kHeight, 0);
  for (int i = 0; i < kWidth * kHeight; ++i) picture.pixels[i] = from8Bit(rgb, i);
  ASSERT_EQ(picture.savePcx(folder_.directory(), "ours.pcx"), kStatusOk);
  ASSERT_TRUE(convertWithImageTool(path("ours.pcx") + " -depth 8 rgb:" + path("ours.rgb")));
  const std::string opened = folder_.read("ours.rgb");
  ASSERT_EQ(opened.size(), rgb.size());
  for (size_t i = 0; i < rgb.size(); ++i)
    EXPECT_EQ(static_cast<uint8_t>(opened[i]), static_cast<uint8_t>(rgb[i]) & 0xF8) << i;

  writeFile(folder_ / "theirs.rgb", rgb);
  ASSERT_TRUE(convertWithImageTool("-size 37x11 -depth 8 rgb:" + path("theirs.rgb") +
                                   " -type TrueColor " + path("theirs.pcx")));
  ASSERT_EQ(folder_.read("theirs.pcx")[65], 3) << "not written as three planes";
  IMAGE theirs;
  ASSERT_EQ(theirs.loadPcx(folder_.directory(), "theirs.pcx"), kStatusOk);
  ASSERT_EQ(shapeOf(theirs), (std::vector<int>{kWidth, kHeight, 0}));
  EXPECT_EQ(pixelsOf(theirs), pixelsOf(picture));
}

}  // namespace
