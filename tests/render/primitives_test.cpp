#include <gtest/gtest.h>

#include <vector>

#include "render/frame_buffer.h"
#include "render/primitives.h"
#include "render/status.h"
#include "test_screen.h"

namespace {

constexpr uint16_t kWhite = 0x7FFF;

std::vector<int> columnsSet(const TestScreen& screen, int y) {
  std::vector<int> columns;
  for (int x = 0; x < screen.width(); ++x) {
    if (screen.at(x, y) != 0) columns.push_back(x);
  }
  return columns;
}

std::vector<int> rowsSet(const TestScreen& screen, int x) {
  std::vector<int> rows;
  for (int y = 0; y < screen.height(); ++y) {
    if (screen.at(x, y) != 0) rows.push_back(y);
  }
  return rows;
}

void expectDirty(int left, int top, int right, int bottom) {
  EXPECT_EQ(frame.dirty.left, left);
  EXPECT_EQ(frame.dirty.top, top);
  EXPECT_EQ(frame.dirty.right, right);
  EXPECT_EQ(frame.dirty.bottom, bottom);
}

TEST(ClampRect, ClampsOrdersAndWidensTheDirtyRectangleBoundByBound) {
  TestScreen screen;
  int16_t x0 = 600, y0 = -5, x1 = -20, y1 = 360;
  clampRect(x0, y0, x1, y1);
  EXPECT_EQ(x0, 0);
  EXPECT_EQ(x1, 549);
  EXPECT_EQ(y0, 0);
  EXPECT_EQ(y1, 349);

  frame.dirty.clear();
  int16_t a0 = 100, b0 = 50, a1 = 20, b1 = 40;
  clampRect(a0, b0, a1, b1);
  expectDirty(20, 40, 100, 50);
  // Only the bounds that grow move.
  int16_t c0 = 30, d0 = 10, c1 = 60, d1 = 45;
  clampRect(c0, d0, c1, d1);
  expectDirty(20, 10, 100, 50);
}

TEST(ClampRect, MovesARectangleWhollyOutsideOntoTheNearestEdge) {
  TestScreen screen;
  EXPECT_EQ(drawRect(600, 10, 700, 20, kShapeSolidOutline, kWhite), kStatusOk);
  EXPECT_EQ(rowsSet(screen, 549).size(), 11u);
}

TEST(ClosedFrame, EveryOperationRefusesAndLeavesTheDirtyRectangle) {
  TestScreen screen;
  uint8_t mask[1] = {1};
  for (int state = 0; state < 2; ++state) {
    if (state == 0) frame.opening = 1;
    if (state == 1) screen.closeFrame();
    EXPECT_FALSE(isFrameReady());
    EXPECT_EQ(drawLine(0, 0, 10, 10, kLineSolid, kWhite), kStatusFrameNotOpen);
    EXPECT_EQ(drawRect(0, 0, 10, 10, kShapeFilled, kWhite), kStatusFrameNotOpen);
    EXPECT_EQ(drawCircle(0, 0, 10, 10, kShapeFilled, kWhite), kStatusFrameNotOpen);
    EXPECT_EQ(fillMask(0, 0, 1, 1, kWhite, mask), kStatusFrameNotOpen);
    EXPECT_EQ(readPixel(0, 0), 0);
    EXPECT_TRUE(frame.dirty.isEmpty());
    screen.reopenFrame();
  }
  EXPECT_EQ(screen.countNot(0), 0);
}

TEST(Pitch, RoundsTwoBytesAPixelUpToFour) {
  EXPECT_EQ(framePitchFor(550), 1100);
  EXPECT_EQ(framePitchFor(551), 1104);
  EXPECT_EQ(framePitchFor(1), 4);
}

TEST(DrawLine, HorizontalRunsAreClampedIntoTheFrame) {
  TestScreen screen;
  drawLine(0, 7, 550, 7, kLineSolid, kWhite);
  EXPECT_EQ(columnsSet(screen, 7).size(), 550u);
  drawLine(3, -5, 9, -5, kLineSolid, kWhite);
  EXPECT_EQ(columnsSet(screen, 0), (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
  drawLine(3, 360, 4, 360, kLineSolid, kWhite);
  EXPECT_EQ(columnsSet(screen, 349), (std::vector<int>{3, 4}));
}

TEST(DrawLine, DashesAreFourOnTwoOffFromTheLeftOrUpperEnd) {
  TestScreen screen;
  drawLine(14, 20, 5, 20, kLineDashed, kWhite);
  EXPECT_EQ(columnsSet(screen, 20), (std::vector<int>{5, 6, 7, 8, 11, 12, 13, 14}));
  drawLine(30, -3, 30, 8, 0, kWhite);
  EXPECT_EQ(rowsSet(screen, 30), (std::vector<int>{0, 1, 2, 3, 6, 7, 8}));
}

TEST(DrawLine, SlopedLinesFollowBresenhamFromEitherEnd) {
  for (bool reversed : {false, true}) {
    TestScreen screen(40, 30);
    if (reversed) {
      drawLine(15, 12, 10, 10, kLineSolid, kWhite);
    } else {
      drawLine(10, 10, 15, 12, kLineSolid, kWhite);
    }
    EXPECT_EQ(columnsSet(screen, 10), (std::vector<int>{10, 11}));
    EXPECT_EQ(columnsSet(screen, 11), (std::vector<int>{12, 13}));
    EXPECT_EQ(columnsSet(screen, 12), (std::vector<int>{14, 15}));
    EXPECT_EQ(screen.countNot(0), 6);
  }
}

TEST(DrawLine, SteepLinesWalkDownTheRows) {
  TestScreen screen(40, 30);
  drawLine(12, 15, 10, 10, kLineSolid, kWhite);
  EXPECT_EQ(rowsSet(screen, 10), (std::vector<int>{10, 11}));
  EXPECT_EQ(rowsSet(screen, 11), (std::vector<int>{12, 13}));
  EXPECT_EQ(rowsSet(screen, 12), (std::vector<int>{14, 15}));
  EXPECT_EQ(screen.countNot(0), 6);
}

TEST(DrawLine, SlopedLinesKeepTheirSlopeAcrossTheEdgeAndDashFromTheFirstPointInside) {
  TestScreen screen(40, 30);
  drawLine(-10, -10, 10, 10, kLineDashed, kWhite);
  std::vector<int> diagonal;
  for (int i = 0; i < 30; ++i) {
    if (screen.at(i, i) != 0) diagonal.push_back(i);
  }
  EXPECT_EQ(diagonal, (std::vector<int>{0, 1, 2, 3, 6, 7, 8, 9}));
  EXPECT_EQ(screen.countNot(0), 8);
  expectDirty(0, 0, 10, 10);
}

TEST(DrawRect, FillsLeaveTheRightColumnAndBottomRow) {
  TestScreen screen;
  screen.fill(0x1234);
  drawRect(0, 0, 549, 349, kShapeFilled, 0);
  EXPECT_EQ(screen.countNot(0), 550 + 349);
  EXPECT_EQ(screen.at(549, 10), 0x1234);
  EXPECT_EQ(screen.at(10, 349), 0x1234);
  expectDirty(0, 0, 549, 349);
}

TEST(DrawRect, AFillOfZeroWidthDrawsNothingButMarksItsBox) {
  TestScreen screen;
  drawRect(10, 10, 10, 40, kShapeFilled, kWhite);
  EXPECT_EQ(screen.countNot(0), 0);
  expectDirty(10, 10, 10, 40);
  drawRect(10, 10, 10, 40, kShapeSolidOutline, kWhite);
  EXPECT_EQ(rowsSet(screen, 10).size(), 31u);
}

TEST(DrawRect, SwappedCornersDrawTheSameRectangle) {
  for (int flags : {kRectDashed, kShapeSolidOutline, kShapeFilled}) {
    TestScreen a(60, 40);
    drawRect(5, 6, 30, 20, flags, kWhite);
    std::vector<uint16_t> expected;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) expected.push_back(a.at(x, y));
    a.fill(0);
    drawRect(30, 20, 5, 6, flags, kWhite);
    std::vector<uint16_t> swapped;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) swapped.push_back(a.at(x, y));
    EXPECT_EQ(swapped, expected) << "flags " << flags;
  }
}

TEST(DrawRect, OutlinesIncludeBothCornersAndDashPerSide) {
  TestScreen screen(60, 40);
  drawRect(5, 5, 15, 10, kRectDashed, kWhite);
  // Top counts from the left, the right side from the top.
  EXPECT_EQ(columnsSet(screen, 5), (std::vector<int>{5, 6, 7, 8, 11, 12, 13, 14, 15}));
  EXPECT_EQ(rowsSet(screen, 15), (std::vector<int>{5, 6, 7, 8}));
  screen.fill(0);
  drawRect(5, 5, 15, 10, kShapeSolidOutline, kWhite);
  EXPECT_EQ(screen.countNot(0), 2 * 11 + 2 * 4);
}

TEST(DrawCircle, RefusesABoxThatIsNotSquare) {
  TestScreen screen;
  EXPECT_EQ(drawCircle(10, 10, 29, 30, kShapeFilled, kWhite), kStatusCircleNotSquare);
  EXPECT_EQ(screen.countNot(0), 0);
}

TEST(DrawCircle, FilledDiscIsSymmetricAndStaysInItsBox) {
  TestScreen screen(64, 48);
  EXPECT_EQ(drawCircle(10, 10, 30, 30, kShapeFilled, kWhite), kStatusOk);
  // Shrunk box 11..29: centre (20, 20), radius 9.
  EXPECT_EQ(columnsSet(screen, 20).front(), 11);
  EXPECT_EQ(columnsSet(screen, 20).back(), 29);
  EXPECT_EQ(rowsSet(screen, 20).front(), 11);
  EXPECT_EQ(rowsSet(screen, 20).back(), 29);
  EXPECT_EQ(screen.at(12, 12), 0);
  for (int y = 0; y < 48; ++y) {
    for (int d = 0; d < 12; ++d) EXPECT_EQ(screen.at(20 - d, y), screen.at(20 + d, y));
    const std::vector<int> row = columnsSet(screen, y);
    // Every row of the disc is one unbroken span.
    if (!row.empty()) {
      EXPECT_EQ(row.back() - row.front() + 1, static_cast<int>(row.size()));
    }
  }
  EXPECT_NEAR(screen.countNot(0), 3.14159 * 9.5 * 9.5, 30);
}

TEST(DrawCircle, DashedOutlineDrawsFourStepsInSix) {
  TestScreen screen(64, 48);
  drawCircle(10, 10, 40, 40, kShapeSolidOutline, kWhite);
  const int solidCount = screen.countNot(0);
  screen.fill(0);
  drawCircle(10, 10, 40, 40, 0, kWhite);
  const int dashedCount = screen.countNot(0);
  EXPECT_GT(dashedCount, solidCount / 2);
  EXPECT_LT(dashedCount, solidCount);
}

TEST(FillMask, WritesWhereTheMaskIsSetAndClipsWithoutShifting) {
  TestScreen screen(40, 30);
  const uint8_t mask[6] = {1, 0, 1, 0, 1, 0};
  EXPECT_EQ(fillMask(5, 5, 3, 2, kWhite, mask), kStatusOk);
  EXPECT_EQ(columnsSet(screen, 5), (std::vector<int>{5, 7}));
  EXPECT_EQ(columnsSet(screen, 6), (std::vector<int>{6}));
  screen.fill(0);
  // Cut at the left edge: column 0 shows the mask's second column.
  fillMask(-1, 10, 3, 2, kWhite, mask);
  EXPECT_EQ(columnsSet(screen, 10), (std::vector<int>{1}));
  EXPECT_EQ(columnsSet(screen, 11), (std::vector<int>{0}));
  screen.fill(0);
  fillMask(50, 10, 3, 2, kWhite, mask);
  fillMask(5, 5, -3, 2, kWhite, mask);
  EXPECT_EQ(screen.countNot(0), 0);
}

TEST(FillMask, AMissingMaskIsRefusedAfterMarkingItsBox) {
  TestScreen screen(40, 30);
  EXPECT_EQ(fillMask(5, 6, 3, 2, kWhite, nullptr), kStatusNoMask);
  expectDirty(5, 6, 7, 7);
}

TEST(ReadPixel, ReadsTheClampedPointAndMarksIt) {
  TestScreen screen(40, 30);
  screen.fill(0);
  drawLine(0, 0, 0, 0, kLineSolid, 0x1234);
  drawLine(39, 29, 39, 29, kLineSolid, 0x4321);
  frame.dirty.clear();
  EXPECT_EQ(readPixel(-3, -7), 0x1234);
  EXPECT_EQ(readPixel(100, 100), 0x4321);
  expectDirty(0, 0, 39, 29);
}

TEST(ScaleColour, ScalesEachChannelAndCapsIt) {
  EXPECT_EQ(scaleColour(0x6739, 166, false), 0x7FFF);
  EXPECT_EQ(scaleColour(0x6739, 66, false), 0x4210);
  EXPECT_EQ(scaleColour(0x7C00, 100, false), 0x7C00);
  EXPECT_EQ(scaleColour(0xFFFF, 50, true), 0x7BEF);
  EXPECT_EQ(scaleColour(0x07E0, 200, true), 0x07E0);
  EXPECT_EQ(scaleColour(0x6739, -50, false), 0);
}

}  // namespace
