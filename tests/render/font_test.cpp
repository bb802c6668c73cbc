#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "archive/drive_path.h"
#include "font_fixture.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/status.h"
#include "render/text.h"
#include "support/temp_folder.h"
#include "test_screen.h"

namespace {

// The fonts the installer ships, copied beside the test program.
TEST(ShippedFonts, AllSevenLoadWithEveryPrintableCharacter) {
  TestScreen screen;
  ASSERT_EQ(createFontTable(), kStatusOk);
  DRIVE_PATH folder;
  ASSERT_TRUE(folder.setToCurrentDirectory());
  ASSERT_TRUE(folder.enter("fonts"));
  const int heights[kFontCount] = {14, 14, 17, 20, 22, 29, 34};
  for (int font = 0; font < kFontCount; ++font) {
    ASSERT_EQ(loadFont(folder, font), kStatusOk) << fontFileName(font);
    EXPECT_EQ(fontHeight(font), heights[font]);
    const BitmapFont& loaded = *loadedFont(font);
    for (int code = 33; code < 256; ++code) {
      // The code page leaves five codes without a character.
      if (code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D) continue;
      if (code == 0x7F || code == 0xA0) continue;  // delete and the no-break space have no ink
      EXPECT_NE(loaded.glyphs[code].pixels, nullptr) << fontFileName(font) << " code " << code;
    }
    EXPECT_GT(textWidth(font, "Next >"), 0);
  }
  releaseFontTable();
  EXPECT_EQ(fontTable, nullptr);
}

class FontTest : public testing::Test {
 protected:
  TestScreen screen{40, 20};
  FontFolder fonts;
};

TEST_F(FontTest, FontFilesWhoseNumbersDoNotFitTogetherAreRefused) {
  fontfile::Font good = smallFont();
  good['A'] = glyphOf({"F", "F", "F", "F"});
  ASSERT_EQ(fonts.writeAndLoad(kFontNarrow10, good), kStatusOk);

  auto refused = [&](fontfile::Font bad, const char* what) {
    EXPECT_EQ(fonts.writeAndLoad(kFontBody, bad), kStatusReadFailed) << what;
    EXPECT_EQ(loadedFont(kFontBody), nullptr) << what;
  };
  fontfile::Font bad = good;
  bad.height = -4;
  refused(bad, "negative height");
  bad = good;
  bad.height = 1 << 20;
  refused(bad, "absurd height");
  bad = good;
  bad['A'].width = -1;
  refused(bad, "negative width");
  bad = good;
  bad['A'].width = 3;  // two bytes a row would be needed
  refused(bad, "row too short for the width");
  bad = good;
  bad['A'].width = 0x40000001;
  bad['A'].bytesPerRow = 0x20000001;
  refused(bad, "sizes whose product overflows");
  bad = good;
  bad['A'].width = 0;
  refused(bad, "pixels without a width");

  // Fonts loaded earlier are not disturbed.
  EXPECT_NE(loadedFont(kFontNarrow10), nullptr);
}

TEST_F(FontTest, ShortFilesFailAndLeaveTheSlotEmptyLongOnesAreAccepted) {
  fontfile::Font made = smallFont();
  made['A'] = glyphOf({"F", "F", "F", "F"});
  const std::string bytes = fontfile::encode(made);
  for (size_t size : {size_t{0}, size_t{3}, size_t{4}, size_t{20}, bytes.size() - 1}) {
    fonts.write(kFontBody, bytes.substr(0, size));
    EXPECT_EQ(fonts.load(kFontBody), kStatusReadFailed) << size;
    EXPECT_EQ(loadedFont(kFontBody), nullptr);
  }
  fonts.write(kFontBody, bytes + "trailing bytes");
  EXPECT_EQ(fonts.load(kFontBody), kStatusOk);
  EXPECT_EQ(fonts.load(kFontHeading), kStatusFileNotOpened);
  EXPECT_EQ(fonts.load(kFontCount), kStatusFileNotOpened);
}

TEST_F(FontTest, LoadingNeedsTheTable) {
  releaseFontTable();
  fonts.write(kFontBody, fontfile::encode(smallFont()));
  EXPECT_EQ(fonts.load(kFontBody), kStatusFontTableNotAllocated);
  ASSERT_EQ(createFontTable(), kStatusOk);
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

  EXPECT_EQ(textWidth(kFontBody, ""), 0);
  EXPECT_EQ(textWidth(kFontBody, "A"), 2);
  EXPECT_EQ(glyphGap(kFontBody, "AB", 1), 3);
  EXPECT_EQ(textWidth(kFontBody, "AB"), 2 + 3 + 3);
  EXPECT_EQ(glyphGap(kFontBody, "AC", 1), 2);
  EXPECT_EQ(glyphGap(kFontBody, "CA", 1), 0);
  EXPECT_EQ(glyphGap(kFontBody, "AB", 2), 0);
  // A control character takes no room, but the gap in front of it counts
  // against it (bearing 0) and none follows it.
  EXPECT_EQ(glyphGap(kFontBody, "A\tB", 1), 3);
  EXPECT_EQ(textWidth(kFontBody, "A\tB"), 2 + 3 + 3);
  EXPECT_EQ(textWidth(kFontBody, nullptr), 0);
  EXPECT_EQ(glyphGap(kFontBody, nullptr, 1), 0);
  EXPECT_EQ(textWidth(kFontHeading, "AB"), 0);
  EXPECT_EQ(fontHeight(kFontHeading), 0);
  EXPECT_EQ(fontHeight(kFontBody), 4);
}

TEST_F(FontTest, MeasuringAndDrawingNeedAnOpenFrame) {
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, smallFont()), kStatusOk);
  screen.closeFrame();
  EXPECT_EQ(fontHeight(kFontBody), kStatusFrameNotOpen);
  EXPECT_EQ(textWidth(kFontBody, "A"), kStatusFrameNotOpen);
  EXPECT_EQ(glyphGap(kFontBody, "AB", 1), kStatusFrameNotOpen);
  EXPECT_EQ(drawText(0, 0, kFontBody, 0x7FFF, nullptr), kStatusFrameNotOpen);
  screen.reopenFrame();
  EXPECT_EQ(drawText(0, 0, kFontBody, 0x7FFF, nullptr), kStatusNoText);
  EXPECT_EQ(drawText(0, 0, kFontHeading, 0x7FFF, "A"), kStatusFontNotLoaded);
  EXPECT_EQ(drawText(0, 0, kFontBody, 0x7FFF, ""), kStatusOk);
  EXPECT_EQ(screen.countNot(0), 0);
}

TEST_F(FontTest, CoverageBlendsChannelByChannel) {
  fontfile::Font made = smallFont();
  made['A'] = glyphOf({"08F", "000", "000", "000"});
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, made), kStatusOk);
  screen.fill(0);
  ASSERT_EQ(drawText(1, 1, kFontBody, 0x7FFF, "A"), kStatusOk);
  EXPECT_EQ(screen.at(1, 1), 0);
  EXPECT_EQ(screen.at(2, 1), 0x4210);
  EXPECT_EQ(screen.at(3, 1), 0x7FFF);

  // The top bit of the pixel stays where the glyph leaves it and is cleared
  // where it blends.
  screen.fill(0x801F);
  drawText(1, 1, kFontBody, 0xFFE0, "A");
  EXPECT_EQ(screen.at(1, 1), 0x801F);
  // (8 x 248 + 7 x 0) / 15 = 132 for red and green, (7 x 248) / 15 = 115 for blue.
  EXPECT_EQ(screen.at(2, 1), (16 << 10) | (16 << 5) | 14);
  EXPECT_EQ(screen.at(3, 1), 0xFFE0);
}

TEST_F(FontTest, OddWidthsReadTheHighNibbleAndStartEachRowOnItsOwnBytes) {
  fontfile::Font made = smallFont();
  made['A'] = glyphOf({"00F", "F00", "0F0", "00F"});
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, made), kStatusOk);
  drawText(5, 5, kFontBody, 0x7FFF, "A");
  EXPECT_EQ(screen.at(7, 5), 0x7FFF);
  EXPECT_EQ(screen.at(5, 6), 0x7FFF);
  EXPECT_EQ(screen.at(6, 7), 0x7FFF);
  EXPECT_EQ(screen.at(7, 8), 0x7FFF);
  EXPECT_EQ(screen.countNot(0), 4);
}

TEST_F(FontTest, SpacesAndControlCharactersAreNeverDrawn) {
  fontfile::Font made = smallFont();
  made[' '] = glyphOf({"FFFF", "FFFF", "FFFF", "FFFF"});
  made['A'] = glyphOf({"F", "0", "0", "0"});
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, made), kStatusOk);
  drawText(0, 0, kFontBody, 0x7FFF, "A\n A");
  // A at 0; the pen moves 1 + 3, over the space's 4 and its gap of 3.
  EXPECT_EQ(screen.at(0, 0), 0x7FFF);
  EXPECT_EQ(screen.at(11, 0), 0x7FFF);
  EXPECT_EQ(screen.countNot(0), 2);
}

TEST_F(FontTest, GlyphsAreCutBeforeTheLastColumnAndAfterTheLastRow) {
  fontfile::Font made = smallFont();
  made['A'] = glyphOf({"FFFFF", "FFFFF", "FFFFF", "FFFFF"});
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, made), kStatusOk);
  drawText(36, 17, kFontBody, 0x7FFF, "A");
  // Columns 36-38 of rows 17-19; column 39 never receives text.
  EXPECT_EQ(screen.countNot(0), 3 * 3);
  EXPECT_EQ(screen.at(39, 18), 0);
  EXPECT_EQ(frame.dirty.right, 39);
  EXPECT_EQ(frame.dirty.bottom, 19);

  screen.fill(0);
  drawText(39, 0, kFontBody, 0x7FFF, "A");
  drawText(0, 19, kFontBody, 0x7FFF, "A");
  EXPECT_EQ(screen.countNot(0), 0);
}

TEST_F(FontTest, TextAtNegativePositionsIsClippedInPlace) {
  fontfile::Font made = smallFont();
  made['A'] = glyphOf({"F000", "0F00", "00F0", "000F"});
  ASSERT_EQ(fonts.writeAndLoad(kFontBody, made), kStatusOk);
  drawText(-2, -2, kFontBody, 0x7FFF, "A");
  EXPECT_EQ(screen.at(0, 0), 0x7FFF);
  EXPECT_EQ(screen.at(1, 1), 0x7FFF);
  EXPECT_EQ(screen.countNot(0), 2);

  screen.fill(0);
  drawText(-30000, -100, kFontBody, 0x7FFF, "AAAA");
  EXPECT_EQ(screen.countNot(0), 0);
}

}  // namespace
