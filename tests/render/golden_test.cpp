#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "archive/drive_path.h"
#include "png/frame_png.h"
#include "render/font.h"
#include "render/status.h"
#include "scenes/scenes.h"
#include "test_screen.h"

// Composed scenes compared pixel for pixel with reference pictures, so that a
// change in the look is seen. After a deliberate change, run the tests once
// with TX3_UPDATE_GOLDEN=1 to write new references into the source tree, and
// look at them before committing.
namespace {

void loadShippedFonts() {
  ASSERT_EQ(createFontTable(), kStatusOk);
  DRIVE_PATH folder;
  ASSERT_TRUE(folder.setToCurrentDirectory());
  ASSERT_TRUE(folder.enter("fonts"));
  for (int font = 0; font < kFontCount; ++font) ASSERT_EQ(loadFont(folder, font), kStatusOk);
}

void expectMatchesReference(const std::string& name) {
  const png::Image actual = png::frameImage();
  if (std::getenv("TX3_UPDATE_GOLDEN") != nullptr) {
    ASSERT_TRUE(png::writeFile(std::string(TX3_GOLDEN_SOURCE_DIR) + "/" + name + ".png", actual));
    return;
  }
  png::Image expected;
  ASSERT_TRUE(png::readFile("golden/" + name + ".png", expected)) << name;
  ASSERT_EQ(actual.width, expected.width);
  ASSERT_EQ(actual.height, expected.height);
  int differing = 0, firstX = -1, firstY = -1;
  for (size_t i = 0; i < actual.rgb.size(); i += 3) {
    if (actual.rgb[i] == expected.rgb[i] && actual.rgb[i + 1] == expected.rgb[i + 1] &&
        actual.rgb[i + 2] == expected.rgb[i + 2]) {
      continue;
    }
    if (differing++ == 0) {
      firstX = static_cast<int>(i / 3 % actual.width);
      firstY = static_cast<int>(i / 3 / actual.width);
    }
  }
  if (differing > 0) png::writeFile(name + ".actual.png", actual);
  EXPECT_EQ(differing, 0) << name << ": first difference at (" << firstX << ", " << firstY
                          << "); the frame is in " << name << ".actual.png";
}

class Golden : public testing::Test {
 protected:
  void TearDown() override { releaseFontTable(); }
};

TEST_F(Golden, WizardPage) {
  TestScreen screen;
  loadShippedFonts();
  drawWizardScene();
  expectMatchesReference("wizard_page");
}

TEST_F(Golden, Primitives) {
  TestScreen screen;
  drawPrimitivesScene();
  expectMatchesReference("primitives");
}

TEST_F(Golden, CharacterSet) {
  TestScreen screen(560, 424);
  loadShippedFonts();
  drawCharacterSetScene();
  expectMatchesReference("character_set");
}

}  // namespace
