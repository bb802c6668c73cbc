#include <gtest/gtest.h>

#include "picture_files.h"
#include "render/frame_buffer.h"
#include "render/image.h"
#include "render/status.h"
#include "test_screen.h"

namespace {

// Frame pixel (x, y) holds x + 1000 * y, so every copied pixel tells its origin.
void paintCoordinates(TestScreen& screen) {
  for (int y = 0; y < screen.height(); ++y)
    for (int x = 0; x < screen.width(); ++x)
      *framePixel(x, y) = static_cast<uint16_t>(x + 1000 * (y % 60));
}

TEST(ImagePut, CopiesOnlyWhatFitsPastTheRightAndBottomEdges) {
  TestScreen screen;
  IMAGE picture;
  fillPicture(picture, 20, 20, 1);
  ASSERT_EQ(picture.put(540, 340), kStatusOk);
  EXPECT_EQ(screen.countNot(0), 100);
  EXPECT_EQ(screen.at(540, 340), 1);
  EXPECT_EQ(screen.at(549, 349), 1 + 9 * 20 + 9);  // its pixel (9, 9)
  EXPECT_EQ(frame.dirty.left, 540);
  EXPECT_EQ(frame.dirty.bottom, 349);
}

TEST(ImagePut, ClipsThePictureAtTheLeftAndTopEdgesInsteadOfShiftingIt) {
  TestScreen screen;
  IMAGE picture;
  fillPicture(picture, 20, 10, 1);
  ASSERT_EQ(picture.put(-5, -3), kStatusOk);
  EXPECT_EQ(screen.at(0, 0), 1 + 3 * 20 + 5);    // its pixel (5, 3)
  EXPECT_EQ(screen.at(14, 6), 1 + 9 * 20 + 19);  // its last pixel
  EXPECT_EQ(screen.countNot(0), 15 * 7);
}

TEST(ImagePut, APictureWhollyOffTheFrameLeavesOnlyItsNearestPixelOnTheEdge) {
  TestScreen screen;
  IMAGE picture;
  fillPicture(picture, 20, 10, 1);
  ASSERT_EQ(picture.put(-100, -50), kStatusOk);
  EXPECT_EQ(screen.at(0, 0), 1 + 9 * 20 + 19);
  ASSERT_EQ(picture.put(600, 400), kStatusOk);
  EXPECT_EQ(screen.at(549, 349), 1);
  EXPECT_EQ(screen.countNot(0), 2);
}

TEST(ImagePut, ANarrowFrameTakesTheMiddleOfAWidePicture) {
  TestScreen screen(8, 4);
  IMAGE picture;
  fillPicture(picture, 12, 6, 1);
  ASSERT_EQ(picture.put(-2, -1), kStatusOk);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(screen.at(x, y), 1 + (y + 1) * 12 + x + 2);
}

TEST(ImageGrab, TakesTheClampedSizeAtEveryEdge) {
  TestScreen screen;
  paintCoordinates(screen);
  IMAGE picture;
  ASSERT_EQ(picture.grab(540, 340, 20, 20), kStatusOk);
  EXPECT_EQ(picture.width, 10);
  EXPECT_EQ(picture.height, 10);
  EXPECT_EQ(picture.pixelAt(9, 9), 549 + 1000 * (349 % 60));

  ASSERT_EQ(picture.grab(-5, -3, 20, 10), kStatusOk);
  EXPECT_EQ(picture.width, 15);
  EXPECT_EQ(picture.height, 7);
  EXPECT_EQ(picture.pixelAt(0, 0), 0);
  EXPECT_EQ(picture.pixelAt(14, 6), 14 + 6000);
}

TEST(ImageGrab, GrabAndPutRoundTripAndReuseThePixelsOfTheSameSize) {
  TestScreen screen;
  paintCoordinates(screen);
  IMAGE picture;
  ASSERT_EQ(picture.grab(100, 20, 30, 40), kStatusOk);
  const uint16_t* first = picture.pixels;
  ASSERT_EQ(picture.grab(200, 30, 30, 40), kStatusOk);
  EXPECT_EQ(picture.pixels, first);

  screen.fill(0);
  ASSERT_EQ(picture.put(10, 10), kStatusOk);
  EXPECT_EQ(screen.at(10, 10), 200 + 30000);
  EXPECT_EQ(screen.at(39, 49), 229 + 1000 * (69 % 60));
  EXPECT_EQ(screen.countNot(0), 30 * 40);
}

TEST(ImageFrame, NeedsAnOpenFrameAndAPictureWithPixels) {
  TestScreen screen;
  IMAGE picture;
  EXPECT_EQ(picture.put(0, 0), kStatusPictureEmpty);
  EXPECT_TRUE(frame.dirty.isEmpty());

  screen.closeFrame();
  EXPECT_EQ(picture.grab(0, 0, 5, 5), kStatusFrameNotOpen);
  EXPECT_EQ(picture.pixels, nullptr);
  fillPicture(picture, 2, 2, 1);
  EXPECT_EQ(picture.put(0, 0), kStatusFrameNotOpen);
  EXPECT_TRUE(frame.dirty.isEmpty());
}

TEST(ImagePixelAt, GivesFiveFiveFiveWordsAndZeroOutsideThePicture) {
  IMAGE picture;
  EXPECT_EQ(picture.pixelAt(0, 0), 0);
  fillPicture(picture, 2, 1, 0xFFFF, 1);
  picture.pixels[1] = 0x07E0;
  EXPECT_EQ(picture.pixelAt(0, 0), 0x7FFF);
  EXPECT_EQ(picture.pixelAt(1, 0), 0x03E0);
  EXPECT_EQ(picture.pixelAt(2, 0), 0);
  EXPECT_EQ(picture.pixelAt(0, 1), 0);
  EXPECT_EQ(picture.pixelAt(-1, 0), 0);
}

}  // namespace
