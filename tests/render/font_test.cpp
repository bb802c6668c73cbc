#include <gtest/gtest.h>

#include <string>

#include "font_fixture.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/status.h"
#include "render/text.h"
#include "support/test_frame.h"

namespace {

using Points = std::vector<std::pair<int, int>>;

class FontTest : public testing::Test {
 protected:
  // Loads smallFont() with the given glyph as 'A' into the body slot.
  void loadWithA(const std::vector<std::string>& rows) {
    fontfile::Font made = smallFont();
    made['A'] = glyphOf(rows);
    ASSERT_EQ(fonts.writeAndLoad(kFontBody, made), kStatusOk);
  }

  void SetUp() override { frame.fonts = &fonts.table; }

  FontFolder fonts;
  TestFrame frame{40, 20};
};

// A damaged file leaves its slot empty and the fonts loaded before alone.
TEST_F(FontTest, FilesCutShortOrWithNumbersThatDoNotFitTogetherAreRefused) {
  fontfile::Font good = smallFont();
  good['A'] = glyphOf({"F", "F", "F", "F"});
  ASSERT_EQ(fonts.writeAndLoad(kFontNarrow10, good), kStatusOk);
  // Font height, then the width and bytes a row of 'A' (1 and 1 when good).
  const int32_t spoilt[][3] = {{-4, 1, 1},
                               {1 << 20, 1, 1},
                               {4, -1, 1},
                               {4, 3, 1},                    // two bytes a row would be needed
                               {4, 0x40000001, 0x20000001},  // the product overflows
                               {4, 0, 1}};                   // pixels without a width
  for (const auto& numbers : spoilt) {
    fontfile::Font bad = good;
    bad.height = numbers[0];
    bad['A'].width = numbers[1];
    bad['A'].bytesPerRow = numbers[2];
    EXPECT_EQ(fonts.writeAndLoad(kFontBody, bad), kStatusReadFailed) << numbers[1];
    EXPECT_EQ(loadedFont(&fonts.table, kFontBody), nullptr) << numbers[1];
  }
  const std::string bytes = fontfile::encode(good);
  for (size_t size : {size_t{0}, size_t{3}, size_t{20}, bytes.size() - 1}) {
    fonts.write(kFontBody, bytes.substr(0, size));
    EXPECT_EQ(fonts.load(kFontBody), kStatusReadFailed) << size;
    EXPECT_EQ(loadedFont(&fonts.table, kFontBody), nullptr);
  }
  EXPECT_NE(loadedFont(&fonts.table, kFontNarrow10), nullptr);
  fonts.write(kFontBody, bytes + "trailing bytes");
  EXPECT_EQ(fonts.load(kFontHeading), kStatusFileNotOpened);
  EXPECT_EQ(fonts.load(kFontCount), kStatusFileNotOpened);
  EXPECT_EQ(fonts.load(kFontBody), kStatusOk);
}

TEST_F(FontTest, GapsFollowTheSpaceAndTheBearingsAndNeverGoNegative) {
  fontfile::Font made = smallFont();
  made['A'] = glyphOf({"FF", "FF", "FF", "FF"});
  made['B'] = glyphOf({"FFF", "FFF", "FFF", "FFF"});
  made['C'] = glyphOf({"F", "F", "F", "F"});
  made['C'].leftBearing = 1;
  made['C'].rightBearing = 10;
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, made), kStatusOk);

  const auto width = [this](const char* text) { return textWidth(frame, kFontBody, text); };
  const auto gap = [this](const char* text, int at) {
    return glyphGap(frame, kFontBody, text, at);
  };
  // "AB" is 2 + 3 + 3. A control character takes no room, but the gap in
  // front of it counts against it (bearing 0) and none follows it.
  EXPECT_EQ((std::vector<int>{width(""), width("A"), width("AB"), width("A\tB"), width(nullptr)}),
            (std::vector<int>{0, 2, 8, 8, 0}));
  EXPECT_EQ((std::vector<int>{gap("AB", 1), gap("AC", 1), gap("CA", 1), gap("AB", 2),
                              gap("A\tB", 1), gap(nullptr, 1)}),
            (std::vector<int>{3, 2, 0, 0, 3, 0}));
  EXPECT_EQ(textWidth(frame, kFontHeading, "AB"), 0);
  EXPECT_EQ(fontHeight(frame, kFontHeading), 0);
  EXPECT_EQ(fontHeight(frame, kFontBody), 4);
}

TEST_F(FontTest, MeasuringAndDrawingNeedAnOpenFrame) {
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, smallFont()), kStatusOk);
  frame.release();
  EXPECT_EQ(fontHeight(frame, kFontBody), kStatusFrameNotOpen);
  EXPECT_EQ(textWidth(frame, kFontBody, "A"), kStatusFrameNotOpen);
  EXPECT_EQ(glyphGap(frame, kFontBody, "AB", 1), kStatusFrameNotOpen);
  EXPECT_EQ(drawText(frame, 0, 0, kFontBody, 0x7FFF, nullptr), kStatusFrameNotOpen);
  frame.reopen();
  EXPECT_EQ(drawText(frame, 0, 0, kFontBody, 0x7FFF, nullptr), kStatusNoText);
  EXPECT_EQ(drawText(frame, 0, 0, kFontHeading, 0x7FFF, "A"), kStatusFontNotLoaded);
  EXPECT_EQ(drawText(frame, 0, 0, kFontBody, 0x7FFF, ""), kStatusOk);
  EXPECT_EQ(frame.countNot(0), 0);
}

// The reference pictures drop the top bit: it stays where the glyph leaves
// the pixel and is cleared where it blends.
TEST_F(FontTest, CoverageBlendsChannelByChannel) {
  loadWithA({"08F", "000", "000", "000"});
  frame.fill(0x801F);
  drawText(frame, 1, 1, kFontBody, 0xFFE0, "A");
  EXPECT_EQ(frame.at(1, 1), 0x801F);
  // (8 x 248 + 7 x 0) / 15 = 132 for red and green, (7 x 248) / 15 = 115 for blue.
  EXPECT_EQ(frame.at(2, 1), (16 << 10) | (16 << 5) | 14);
  EXPECT_EQ(frame.at(3, 1), 0xFFE0);
}

TEST_F(FontTest, SpacesAndControlCharactersAreNeverDrawn) {
  fontfile::Font made = smallFont();
  made[' '] = glyphOf({"FFFF", "FFFF", "FFFF", "FFFF"});
  made['A'] = glyphOf({"F", "0", "0", "0"});
  made['B'] = glyphOf({"00", "00", "00", "00"});  // cells without ink
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, made), kStatusOk);
  drawText(frame, 0, 0, kFontBody, 0x7FFF, "A\n AB");
  // A at 0; the pen moves 1 + 3, over the space's 4 and its gap of 3.
  EXPECT_EQ(frame.lit(), (Points{{0, 0}, {11, 0}}));
  fontfile::Font flat;  // glyphs of no rows at all
  flat['B'].width = 2;
  flat['B'].bytesPerRow = 1;
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, flat), kStatusOk);
  EXPECT_EQ(drawText(frame, 0, 0, kFontBody, 0x7FFF, "B"), kStatusOk);
}

// Glyphs are cut at the frame's edges in place; the last column never
// receives text; what is drawn marks exactly the glyphs' cells.
TEST_F(FontTest, GlyphsAreCutAtTheEdgesInPlaceAndMarkTheirCells) {
  loadWithA({"FFFFF", "FFFFF", "FFFFF", "FFFFF"});
  drawText(frame, 36, 17, kFontBody, 0x7FFF, "A");
  EXPECT_EQ(frame.countNot(0), 3 * 3);  // columns 36-38 of rows 17-19
  EXPECT_EQ(
      (std::vector<int>{frame.dirty.left, frame.dirty.top, frame.dirty.right, frame.dirty.bottom}),
      (std::vector<int>{36, 17, 39, 19}));
  frame.fill(0);
  drawText(frame, 39, 0, kFontBody, 0x7FFF, "A");
  drawText(frame, 0, 19, kFontBody, 0x7FFF, "A");
  EXPECT_EQ(frame.countNot(0), 0);

  loadWithA({"F000", "0F00", "00F0", "000F"});
  drawText(frame, -2, -2, kFontBody, 0x7FFF, "A");
  drawText(frame, -30000, -100, kFontBody, 0x7FFF, "AAAA");
  drawText(frame, -1, 10, kFontBody, 0x7FFF, "A");  // cut inside a byte of the glyph
  EXPECT_EQ(frame.lit(), (Points{{0, 0}, {1, 1}, {0, 11}, {1, 12}, {2, 13}}));
  frame.dirty.clear();
  drawText(frame, 10, 5, kFontBody, 0x7FFF, "A");
  EXPECT_EQ(
      (std::vector<int>{frame.dirty.left, frame.dirty.top, frame.dirty.right, frame.dirty.bottom}),
      (std::vector<int>{10, 5, 13, 8}));
}

}  // namespace
