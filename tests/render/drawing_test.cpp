#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "archive/drive_path.h"
#include "fontfile/font_file.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/primitives.h"
#include "render/status.h"
#include "render/text.h"
#include "support/temp_folder.h"
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

// What the reference scene of the primitives does not show: runs clamped onto
// the frame's first row and dashed from their left or upper end, corners given
// in any order, a fill of no width, masks cut at the left edge, reading a
// pixel, and the boxes all of them mark.
TEST(Primitives, ClampingRunsAnyCornerOrderTheBoxesTheyMarkAndScaledColours) {
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
  EXPECT_EQ(fillMask(frame, -1, 10, 3, 2, kWhite, mask), kStatusOk);  // column 0: its second column
  fillMask(frame, 5, 5, -3, 2, kWhite, mask);
  fillMask(frame, 2, -5, 3, 2, kWhite, mask);  // wholly above: moved onto row 0, shows nothing
  EXPECT_EQ(frame.lit(), (Points{{1, 10}, {0, 11}}));
  frame.dirty.clear();
  EXPECT_EQ(fillMask(frame, 5, 6, 3, 2, kWhite, nullptr), kStatusNoMask);
  EXPECT_EQ(dirty(frame), (Box{5, 6, 7, 7}));

  frame.dirty.clear();
  EXPECT_EQ(readPixel(frame, -3, 11), kWhite);  // the clamped point, marked
  EXPECT_EQ(readPixel(frame, 100, 100), 0);
  EXPECT_EQ(dirty(frame), (Box{0, 11, 39, 29}));

  // Colours are scaled channel by channel in either layout, and capped.
  EXPECT_EQ(scaleColour(0xFFFF, 80, true), 0xC658);
  EXPECT_EQ(scaleColour(0x07E0, 200, true), 0x07E0);
  EXPECT_EQ(scaleColour(0x6739, -50, false), 0);

  // Rectangles are clamped and ordered, and widen the dirty rectangle bound by bound.
  TestFrame full;
  EXPECT_EQ(clamped(full, 600, -5, -20, 360), (Box{0, 0, 549, 349}));
  full.dirty.clear();
  clamped(full, 100, 50, 20, 40);
  EXPECT_EQ(dirty(full), (Box{20, 40, 100, 50}));
  clamped(full, 30, 10, 60, 45);  // only the top grows
  EXPECT_EQ(dirty(full), (Box{20, 10, 100, 50}));

  // A rectangle wholly outside is moved onto the nearest edge.
  EXPECT_EQ(drawRect(full, 600, 10, 700, 20, kShapeSolidOutline, kWhite), kStatusOk);
  EXPECT_EQ(litAlong(full, 549, true).size(), 11u);
  EXPECT_EQ(framePitchFor(550), 1100);
  EXPECT_EQ(framePitchFor(551), 1104);
}

// A made-up font of height 4: the space is 4 wide (so the plain gap is 3)
// and every other glyph is empty until a test draws it.
fontfile::Font smallFont() {
  fontfile::Font font;
  font.height = 4;
  font[' '].width = 4;
  return font;
}

// A glyph of the given rows of coverage levels, one hex digit a pixel
// ("0F8" is three pixels: 0, 15 and 8).
fontfile::Glyph glyphOf(const std::vector<std::string>& rows) {
  std::vector<uint8_t> levels;
  for (const std::string& row : rows) {
    for (char digit : row)
      levels.push_back(static_cast<uint8_t>(digit <= '9' ? digit - '0' : digit - 'A' + 10));
  }
  return fontfile::packGlyph(static_cast<int32_t>(rows.front().size()),
                             static_cast<int32_t>(rows.size()), levels);
}

// Font files are written into a folder of their own and loaded from there
// into the frame's table.
class FontTest : public testing::Test {
 protected:
  void SetUp() override { frame.fonts = &fonts; }

  void write(int font, const std::string& bytes) const { writeFile(fontFileName(font), bytes); }
  int load(int font) { return loadFont(fonts, here_, font); }
  int writeAndLoad(int font, const fontfile::Font& made) {
    write(font, fontfile::encode(made));
    return load(font);
  }
  // Loads smallFont() with the given glyph as 'A' into the body slot.
  void loadWithA(const std::vector<std::string>& rows) {
    fontfile::Font made = smallFont();
    made['A'] = glyphOf(rows);
    ASSERT_EQ(writeAndLoad(kFontBody, made), kStatusOk);
  }

  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
  DRIVE_PATH here_;  // made after entering the folder: it names it
  FontTable fonts;
  TestFrame frame{40, 20};
};

// A damaged file leaves its slot empty and the fonts loaded before alone.
TEST_F(FontTest, FilesCutShortOrWithNumbersThatDoNotFitTogetherAreRefused) {
  fontfile::Font good = smallFont();
  good['A'] = glyphOf({"F", "F", "F", "F"});
  ASSERT_EQ(writeAndLoad(kFontNarrow10, good), kStatusOk);
  // Font height, then the width and bytes a row of 'A' (1 and 1 when good).
  const int32_t spoilt[][3] = {{4, -1, 1},
                               {4, 3, 1},                    // two bytes a row would be needed
                               {4, 0x40000001, 0x20000001},  // the product overflows
                               {4, 0, 1}};                   // pixels without a width
  for (const auto& numbers : spoilt) {
    fontfile::Font bad = good;
    bad.height = numbers[0];
    bad['A'].width = numbers[1];
    bad['A'].bytesPerRow = numbers[2];
    EXPECT_EQ(writeAndLoad(kFontBody, bad), kStatusReadFailed) << numbers[1];
    EXPECT_EQ(loadedFont(&fonts, kFontBody), nullptr) << numbers[1];
  }
  // Bearings no drawable font has would overflow the gaps.
  for (const int32_t bearing : {1024, -1024, 1025, -1025, INT32_MIN}) {
    fontfile::Font left = good, right = good;
    left['A'].leftBearing = right['A'].rightBearing = bearing;
    const int expected = bearing == 1024 || bearing == -1024 ? kStatusOk : kStatusReadFailed;
    EXPECT_EQ(writeAndLoad(kFontBody, left), expected) << bearing;
    EXPECT_EQ(writeAndLoad(kFontBody, right), expected) << bearing;
  }
  fontfile::Font tall;  // glyphs without pixels: only its height can refuse it
  for (const int32_t height : {1024, 1025, -1}) {
    tall.height = height;
    EXPECT_EQ(writeAndLoad(kFontNarrow11, tall), height == 1024 ? kStatusOk : kStatusReadFailed);
  }
  const std::string bytes = fontfile::encode(good);
  // Cut in the height, in A's pixels, in the last glyph's numbers.
  for (size_t size : {size_t{0}, size_t{3}, size_t{4 + 34 * 16 + 2}, bytes.size() - 1}) {
    write(kFontBody, bytes.substr(0, size));
    EXPECT_EQ(load(kFontBody), kStatusReadFailed) << size;
    EXPECT_EQ(loadedFont(&fonts, kFontBody), nullptr);
  }
  EXPECT_NE(loadedFont(&fonts, kFontNarrow10), nullptr);
  write(kFontBody, bytes + "trailing bytes");
  EXPECT_EQ(load(kFontHeading), kStatusFileNotOpened);
  EXPECT_EQ(load(kFontCount), kStatusFileNotOpened);
  EXPECT_EQ(load(kFontBody), kStatusOk);
}

TEST_F(FontTest, GapsFollowTheSpaceAndBearingsAndSpacesAndControlsAreNeverDrawn) {
  fontfile::Font made = smallFont();
  made['A'] = glyphOf({"FF", "FF", "FF", "FF"});
  made['B'] = glyphOf({"FFF", "FFF", "FFF", "FFF"});
  made['C'] = glyphOf({"F", "F", "F", "F"});
  made['C'].leftBearing = 1;
  made['C'].rightBearing = 10;
  ASSERT_EQ(writeAndLoad(kFontBody, made), kStatusOk);

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
  EXPECT_EQ(fontHeight(frame, kFontBody), 4);
  // A font not loaded measures nothing and draws nothing; nor does no text.
  EXPECT_EQ(textWidth(frame, kFontHeading, "AB"), 0);
  EXPECT_EQ(fontHeight(frame, kFontHeading), 0);
  EXPECT_EQ(drawText(frame, 0, 0, kFontHeading, 0x7FFF, "A"), kStatusFontNotLoaded);
  EXPECT_EQ(drawText(frame, 0, 0, kFontBody, 0x7FFF, nullptr), kStatusNoText);
  EXPECT_EQ(drawText(frame, 0, 0, kFontBody, 0x7FFF, ""), kStatusOk);
  EXPECT_EQ(frame.countNot(0), 0);

  // Spaces and control characters are never drawn.
  made = smallFont();
  made[' '] = glyphOf({"FFFF", "FFFF", "FFFF", "FFFF"});
  made['A'] = glyphOf({"F", "0", "0", "0"});
  made['B'] = glyphOf({"00", "00", "00", "00"});  // cells without ink
  ASSERT_EQ(writeAndLoad(kFontBody, made), kStatusOk);
  drawText(frame, 0, 0, kFontBody, 0x7FFF, "A\n AB");
  // A at 0; the pen moves 1 + 3, over the space's 4 and its gap of 3.
  EXPECT_EQ(frame.lit(), (Points{{0, 0}, {11, 0}}));
  fontfile::Font flat;  // glyphs of no rows at all
  flat['B'].width = 2;
  flat['B'].bytesPerRow = 1;
  ASSERT_EQ(writeAndLoad(kFontBody, flat), kStatusOk);
  EXPECT_EQ(drawText(frame, 0, 0, kFontBody, 0x7FFF, "B"), kStatusOk);
}

// Glyphs are cut at the frame's edges in place; the last column never
// receives text; what is drawn marks exactly the glyphs' cells, blending
// coverage channel by channel.
TEST_F(FontTest, GlyphsAreCutAtTheEdgesInPlaceMarkTheirCellsAndBlendByChannel) {
  loadWithA({"FFFFF", "FFFFF", "FFFFF", "FFFFF"});
  drawText(frame, 36, 17, kFontBody, 0x7FFF, "A");
  EXPECT_EQ(frame.countNot(0), 3 * 3);  // columns 36-38 of rows 17-19
  EXPECT_EQ(dirty(frame), (Box{36, 17, 39, 19}));
  frame.fill(0);
  drawText(frame, 39, 0, kFontBody, 0x7FFF, "A");
  drawText(frame, 0, 19, kFontBody, 0x7FFF, "A");
  EXPECT_EQ(frame.countNot(0), 0);

  loadWithA({"F000", "0F00", "00F0", "000F"});
  drawText(frame, -2, -2, kFontBody, 0x7FFF, "A");
  drawText(frame, -30000, -100, kFontBody, 0x7FFF, "AAAA");
  drawText(frame, -1, 10, kFontBody, 0x7FFF, "A");  // cut inside a byte of the glyph
  drawText(frame, -3, 14, kFontBody, 0x7FFF, "A");  // and inside the second byte
  EXPECT_EQ(frame.lit(), (Points{{0, 0}, {1, 1}, {0, 11}, {1, 12}, {2, 13}, {0, 17}}));
  frame.dirty.clear();
  drawText(frame, 10, 5, kFontBody, 0x7FFF, "A");
  EXPECT_EQ(dirty(frame), (Box{10, 5, 13, 8}));

  // The reference pictures drop the top bit: it stays where the glyph leaves
  // the pixel and is cleared where it blends.
  loadWithA({"08F", "000", "000", "000"});
  frame.fill(0x801F);
  drawText(frame, 1, 1, kFontBody, 0xFFE0, "A");
  EXPECT_EQ(frame.at(1, 1), 0x801F);
  // (8 x 248 + 7 x 0) / 15 = 132 for red and green, (7 x 248) / 15 = 115 for blue.
  EXPECT_EQ(frame.at(2, 1), (16 << 10) | (16 << 5) | 14);
  EXPECT_EQ(frame.at(3, 1), 0xFFE0);
}

}  // namespace
