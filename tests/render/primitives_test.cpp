#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "render/frame_buffer.h"
#include "render/primitives.h"
#include "render/status.h"
#include "support/test_frame.h"

namespace {

constexpr uint16_t kWhite = 0x7FFF;
using Box = std::array<int, 4>;
using Points = std::vector<std::pair<int, int>>;

// The columns lit in row `at`, or with `down` the rows lit in column `at`.
std::vector<int> litAlong(const TestFrame& frame, int at, bool down = false) {
  std::vector<int> found;
  for (int i = 0; i < (down ? frame.height : frame.width); ++i) {
    if ((down ? frame.at(at, i) : frame.at(i, at)) != 0) found.push_back(i);
  }
  return found;
}

Box dirty(const FrameBuffer& frame) {
  return {frame.dirty.left, frame.dirty.top, frame.dirty.right, frame.dirty.bottom};
}

Box clamped(FrameBuffer& frame, int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
  clampRect(frame, x0, y0, x1, y1);
  return {x0, y0, x1, y1};
}

TEST(ClampRect, ClampsOrdersAndWidensTheDirtyRectangleBoundByBound) {
  TestFrame frame;
  EXPECT_EQ(clamped(frame, 600, -5, -20, 360), (Box{0, 0, 549, 349}));
  frame.dirty.clear();
  clamped(frame, 100, 50, 20, 40);
  EXPECT_EQ(dirty(frame), (Box{20, 40, 100, 50}));
  clamped(frame, 30, 10, 60, 45);  // only the top grows
  EXPECT_EQ(dirty(frame), (Box{20, 10, 100, 50}));

  // A rectangle wholly outside is moved onto the nearest edge.
  EXPECT_EQ(drawRect(frame, 600, 10, 700, 20, kShapeSolidOutline, kWhite), kStatusOk);
  EXPECT_EQ(litAlong(frame, 549, true).size(), 11u);
  EXPECT_EQ(framePitchFor(550), 1100);
  EXPECT_EQ(framePitchFor(551), 1104);
}

TEST(ClosedFrame, EveryOperationRefusesAndLeavesTheDirtyRectangle) {
  TestFrame frame;
  uint8_t mask[1] = {1};
  for (int state = 0; state < 2; ++state) {
    if (state == 0) frame.opening = 1;
    if (state == 1) frame.release();
    EXPECT_FALSE(isFrameReady(frame));
    EXPECT_EQ(drawLine(frame, 0, 0, 10, 10, kLineSolid, kWhite), kStatusFrameNotOpen);
    EXPECT_EQ(drawRect(frame, 0, 0, 10, 10, kShapeFilled, kWhite), kStatusFrameNotOpen);
    EXPECT_EQ(drawCircle(frame, 0, 0, 10, 10, kShapeFilled, kWhite), kStatusFrameNotOpen);
    EXPECT_EQ(fillMask(frame, 0, 0, 1, 1, kWhite, mask), kStatusFrameNotOpen);
    EXPECT_EQ(readPixel(frame, 0, 0), 0);
    EXPECT_TRUE(frame.dirty.isEmpty());
    frame.reopen();
  }
  EXPECT_EQ(frame.countNot(0), 0);
}

// What the reference scene of the primitives does not show: runs clamped onto
// the frame's first row and dashed from their left or upper end, corners given
// in any order, a fill of no width, masks cut at the left edge, reading a
// pixel, and the boxes all of them mark.
TEST(Primitives, ClampedRunsAnyCornerOrderAndTheBoxesTheyMark) {
  TestFrame frame(40, 30);
  drawLine(frame, 3, -5, 9, -5, kLineSolid, kWhite);
  drawLine(frame, 14, 20, 5, 20, kLineDashed, kWhite);
  drawLine(frame, 30, -3, 30, 8, 0, kWhite);
  EXPECT_EQ(litAlong(frame, 0), (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 30}));
  EXPECT_EQ(litAlong(frame, 20), (std::vector<int>{5, 6, 7, 8, 11, 12, 13, 14}));
  EXPECT_EQ(litAlong(frame, 30, true), (std::vector<int>{0, 1, 2, 3, 6, 7, 8}));

  for (int flags : {kRectDashed, kShapeSolidOutline, kShapeFilled}) {
    frame.fill(0);
    drawRect(frame, 5, 6, 30, 20, flags, kWhite);
    const std::vector<uint16_t> expected = frame.snapshot();
    frame.fill(0);
    drawRect(frame, 30, 20, 5, 6, flags, kWhite);
    EXPECT_EQ(frame.snapshot(), expected) << "flags " << flags;
  }

  frame.reopen();
  drawRect(frame, 10, 10, 10, 25, kShapeFilled, kWhite);  // marks what it would fill
  EXPECT_EQ(frame.countNot(0), 0);
  EXPECT_EQ(dirty(frame), (Box{10, 10, 10, 25}));
  EXPECT_EQ(drawCircle(frame, 10, 5, 25, 25, kShapeFilled, kWhite), kStatusCircleNotSquare);
  EXPECT_EQ(frame.countNot(0), 0);
  drawCircle(frame, 2, 2, 9, 9, kShapeFilled, kWhite);  // a box of even size, unlike the scene's
  std::vector<std::pair<int, int>> spans;               // first and last column of rows 2 to 10
  for (int y = 2; y <= 10; ++y) {
    const std::vector<int> row = litAlong(frame, y);
    spans.emplace_back(row.empty() ? -1 : row.front(), row.empty() ? -1 : row.back());
  }
  EXPECT_EQ(spans,
            (Points{{-1, -1}, {5, 7}, {4, 8}, {3, 9}, {3, 9}, {3, 9}, {4, 8}, {5, 7}, {-1, -1}}));
  frame.fill(0);

  const uint8_t mask[6] = {1, 0, 1, 0, 1, 0};
  fillMask(frame, -1, 10, 3, 2, kWhite, mask);  // column 0 shows the mask's second column
  fillMask(frame, 5, 5, -3, 2, kWhite, mask);
  EXPECT_EQ(frame.lit(), (Points{{1, 10}, {0, 11}}));
  frame.dirty.clear();
  EXPECT_EQ(fillMask(frame, 5, 6, 3, 2, kWhite, nullptr), kStatusNoMask);
  EXPECT_EQ(dirty(frame), (Box{5, 6, 7, 7}));

  frame.dirty.clear();
  EXPECT_EQ(readPixel(frame, -3, 11), kWhite);  // the clamped point, marked
  EXPECT_EQ(readPixel(frame, 100, 100), 0);
  EXPECT_EQ(dirty(frame), (Box{0, 11, 39, 29}));
}

TEST(ScaleColour, ScalesEachChannelInEitherLayoutAndCapsIt) {
  EXPECT_EQ(scaleColour(0xFFFF, 50, true), 0x7BEF);
  EXPECT_EQ(scaleColour(0x07E0, 200, true), 0x07E0);
  EXPECT_EQ(scaleColour(0x6739, -50, false), 0);
}

}  // namespace
