#include <gtest/gtest.h>

#include "picture_files.h"
#include "render/frame_buffer.h"
#include "render/image.h"
#include "render/status.h"
#include "support/test_frame.h"

namespace {

TEST(ImagePut, ClipsThePictureAtEveryEdgeWithoutShiftingIt) {
  TestFrame frame;
  IMAGE picture;
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
}

TEST(ImageGrab, TakesTheClampedSizeAndReusesPixelsOfTheSameSize) {
  TestFrame frame;
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x)
      *framePixel(frame, x, y) = static_cast<uint16_t>(x + 100 * y);
  IMAGE picture;
  ASSERT_EQ(picture.grab(frame, 540, 340, 20, 20), kStatusOk);
  EXPECT_EQ(shapeOf(picture), (std::vector<int>{10, 10, 0}));
  EXPECT_EQ(picture.pixelAt(9, 9), 549 + 100 * 349);

  ASSERT_EQ(picture.grab(frame, -5, -3, 20, 13), kStatusOk);
  EXPECT_EQ(shapeOf(picture), (std::vector<int>{15, 10, 0}));
  EXPECT_EQ(picture.pixelAt(0, 0), 0);
  EXPECT_EQ(picture.pixelAt(14, 9), 14 + 900);

  const uint16_t* kept = picture.pixels;
  ASSERT_EQ(picture.grab(frame, 100, 100, 15, 10), kStatusOk);
  EXPECT_EQ(picture.pixels, kept);
  EXPECT_EQ(picture.pixelAt(0, 0), 100 + 10000);
}

TEST(ImageFrame, NeedsAnOpenFrameAndAPictureWithPixels) {
  TestFrame frame;
  IMAGE picture;
  EXPECT_EQ(picture.put(frame, 0, 0), kStatusPictureEmpty);
  EXPECT_TRUE(frame.dirty.isEmpty());
  frame.release();
  EXPECT_EQ(picture.grab(frame, 0, 0, 5, 5), kStatusFrameNotOpen);
  EXPECT_EQ(picture.pixels, nullptr);
  fillPicture(picture, 2, 2, 1);
  EXPECT_EQ(picture.put(frame, 0, 0), kStatusFrameNotOpen);
  EXPECT_TRUE(frame.dirty.isEmpty());
}

TEST(ImagePixelAt, GivesFiveFiveFiveWordsAndZeroOutsideThePicture) {
  IMAGE picture;
  EXPECT_EQ(picture.pixelAt(0, 0), 0);
  fillPicture(picture, 2, 1, 0xFFFF, 1);
  picture.pixels[1] = 0x07E0;
  EXPECT_EQ((std::vector<int>{picture.pixelAt(0, 0), picture.pixelAt(1, 0), picture.pixelAt(2, 0),
                              picture.pixelAt(-1, 0)}),
            (std::vector<int>{0x7FFF, 0x03E0, 0, 0}));
}

}  // namespace
