#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "font_fixture.h"
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
  for (int font = 0; font < kFontCount; ++font)
    ASSERT_EQ(loadFont(shippedFontFolder(), font), kStatusOk);
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
  const auto differ = std::mismatch(actual.rgb.begin(), actual.rgb.end(), expected.rgb.begin());
  if (differ.first == actual.rgb.end()) return;
  const auto pixel = (differ.first - actual.rgb.begin()) / 3;
  png::writeFile(name + ".actual.png", actual);
  ADD_FAILURE() << name << ": first difference at (" << pixel % actual.width << ", "
                << pixel / actual.width << "); the frame is in " << name << ".actual.png";
}

TEST(Golden, ScenesMatchTheirReferencePictures) {
  const struct {
    const char* name;
    int16_t width, height;
    void (*draw)();
  } scenes[] = {{"wizard_page", 550, 350, drawWizardScene},
                {"primitives", 550, 350, drawPrimitivesScene},
                {"character_set", 560, 424, drawCharacterSetScene}};
  for (const auto& scene : scenes) {
    TestScreen screen(scene.width, scene.height);
    loadShippedFonts();
    scene.draw();
    expectMatchesReference(scene.name);
    releaseFontTable();
  }
}

}  // namespace
