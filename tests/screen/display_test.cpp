#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "platform/headless/accessibility.h"
#include "platform/headless/window.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/primitives.h"
#include "screen/display_scale.h"
#include "screen_support.h"
#include "support/test_screen.h"

namespace {

class DisplayTest : public testing::Test {
 protected:
  int open(int16_t width = 550, int16_t height = 350) {
    return screen_.OpenGraphics(width, height, "Tarvex League 3 Update", 0, fonts_.path);
  }

  void SetUp() override { headless::resetDesktop(); }

  FontFolder fonts_;
  TestScreen screen_;
  FrameBuffer& frame = screen_.frame();
};

// Opened, retitled, reopened smaller, closed twice and opened anew: one
// window at a time, the fonts loaded once.
TEST_F(DisplayTest, OpeningCreatesTheCentredWindowReopeningReshapesItClosingReleasesIt) {
  screen_.SetTitle("Early");  // no window yet: nothing to retitle
  ASSERT_EQ(open(), 0);
  const headless::WindowRecord& window = headless::window();
  EXPECT_TRUE(window.visible);
  EXPECT_EQ(window.title, "Tarvex League 3 Update");
  EXPECT_EQ(window.style, headless::kStyleSystemMenu | headless::kStyleMinimiseBox);
  EXPECT_EQ(window.outerWidth, 550 + 2 * headless::kFrameBorder);
  EXPECT_EQ(window.outerHeight, 350 + 2 * headless::kFrameBorder + headless::kCaptionHeight);
  EXPECT_EQ(window.x, (headless::kDesktopWidth - window.outerWidth) / 2);
  EXPECT_EQ(window.y, (headless::kDesktopHeight - window.outerHeight) / 2);
  EXPECT_EQ(std::make_pair(window.largeIcon, window.smallIcon), std::make_pair(2, 2));
  screen_.SetTitle("Mise à jour de Tarvex League 3");
  EXPECT_EQ(window.title, "Mise à jour de Tarvex League 3");

  std::filesystem::remove(fonts_.folder / fontFileName(0));
  screen_.Present();
  // Something drawn near the old size's corner must not be copied from
  // beyond the smaller array.
  drawRect(frame, 540, 340, 549, 349, kShapeFilled, 0x7FFF);
  ASSERT_EQ(open(200, 100), 0);
  EXPECT_EQ(headless::windowsCreated(), 1);
  EXPECT_EQ(window.style,
            headless::kStyleSystemMenu | headless::kStyleMinimiseBox | headless::kStyleCaption);
  EXPECT_EQ(window.x, (headless::kDesktopWidth - 200) / 2 - headless::kFrameBorder);
  EXPECT_NE(loadedFont(frame.fonts, 0), nullptr);
  screen_.Present();
  EXPECT_EQ(headless::lastPresentedArea(), 200 * 100);

  screen_.CloseGraphics();
  EXPECT_FALSE(window.exists);
  EXPECT_EQ(window.largeIcon + window.smallIcon, 0);
  EXPECT_EQ(headless::accessibleContent(), nullptr);  // no reader reaches a closed screen
  EXPECT_EQ(frame.pixels, nullptr);
  EXPECT_EQ(frame.fonts, nullptr);
  EXPECT_EQ(screen_.width(), 200);  // the size is kept
  screen_.CloseGraphics();          // a second close finds nothing to release
  EXPECT_EQ(open(), 7);             // the fonts are loaded anew: one is missing now
  EXPECT_EQ(headless::windowsCreated(), 2);
}

// Every frame pixel fills a scale x scale block of the client area.
TEST_F(DisplayTest, ScalesRoundFailedOpeningsShowNothingAndPresentingCopiesBlocks) {
  // The scale is the nearest whole number, and at least one.
  // 96 a step, the scale changes halfway; 96, 192 and 288 are presented below.
  const std::pair<int, int> dpiAndScale[] = {{0, 1}, {143, 1}, {144, 2}, {239, 2}, {240, 3}};
  for (const auto& [dpi, scale] : dpiAndScale) EXPECT_EQ(displayScaleFor(dpi), scale) << dpi;

  // An opening without window, frame or fonts fails with its status.
  headless::failWindowCreation(true);
  EXPECT_EQ(open(), 1);
  EXPECT_EQ(frame.opening, 1);
  EXPECT_FALSE(isFrameReady(frame));
  screen_.Present();
  EXPECT_EQ(headless::presentations(), 0);
  headless::failWindowCreation(false);
  EXPECT_EQ(open(0, 350), 2);
  EXPECT_EQ(open(550, -1), 2);
  EXPECT_EQ(frame.pixels, nullptr);

  const FontFolder shortOfOne(3);
  EXPECT_EQ(screen_.OpenGraphics(550, 350, "Setup", 0, shortOfOne.path), 7);
  EXPECT_TRUE(isFrameReady(frame));  // the frame is open, only the fonts are short
  for (int id = 0; id < kFontCount; ++id)
    EXPECT_EQ(loadedFont(frame.fonts, id) != nullptr, id < 3) << id;

  // The borders are wider than the metrics tell, as when the scale changed
  // since sign-in: the client area is measured and the window corrected.
  for (const int scale : {1, 2, 3}) {
    screen_.CloseGraphics();
    headless::resetDesktop();
    headless::setDisplayDpi(96 * scale);
    headless::setWindowBorders(4 * scale, 20 * scale);
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(headless::screenWidth(), 550 * scale);
    EXPECT_EQ(headless::screenHeight(), 350 * scale);
    EXPECT_EQ(headless::presentations(), 0);     // nothing is shown while opening
    EXPECT_EQ(*framePixel(frame, 300, 200), 0);  // but the frame is cleared to black
    fillPattern(frame, 550, 350);
    screen_.Present();  // the first presentation shows the whole frame
    EXPECT_EQ(headless::lastPresentedArea(), 550 * 350);
    for (int y = 0; y < 350 * scale; ++y)
      for (int x = 0; x < 550 * scale; ++x)
        ASSERT_EQ(headless::screenPixel(x, y), onScreen(patternPixel(x / scale, y / scale)))
            << x << "," << y << " at " << scale;
    screen_.Present();
    EXPECT_EQ(headless::presentations(), 1);  // an unchanged frame costs nothing

    // Drawn behind the renderer's back: only the rectangle decides what goes.
    *framePixel(frame, 10, 20) = 0x7C00;
    *framePixel(frame, 11, 20) = 0x03E0;
    *framePixel(frame, 10, 21) = 0x03E0;
    frame.dirty = DirtyRect{10, 10, 20, 20};
    screen_.Present();
    EXPECT_EQ(headless::lastPresentedArea(), 1);
    EXPECT_EQ(headless::screenPixel(10 * scale, 20 * scale), 0xF80000u);
    EXPECT_EQ(headless::screenPixel(11 * scale - 1, 21 * scale - 1), 0xF80000u);
    EXPECT_EQ(headless::screenPixel(11 * scale, 20 * scale), onScreen(patternPixel(11, 20)));
    EXPECT_EQ(headless::screenPixel(10 * scale, 21 * scale), onScreen(patternPixel(10, 21)));
    EXPECT_TRUE(frame.dirty.isEmpty());
  }
}

}  // namespace
