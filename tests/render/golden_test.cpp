#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "png/frame_png.h"
#include "scenes/scenes.h"
#include "support/shipped_fonts.h"
#include "support/test_frame.h"

// Composed scenes compared pixel for pixel with reference pictures, so that a
// change in the look is seen. After a deliberate change, run the tests once
// with TX3_UPDATE_GOLDEN=1 to write new references into the source tree, and
// look at them before committing.
namespace {

TEST(Golden, ScenesMatchTheirReferencePictures) {
  const struct {
    const char* name;
    int16_t width, height;
    void (*draw)(FrameBuffer&);
  } scenes[] = {{"wizard_page", 550, 350, drawWizardScene},
                {"primitives", 550, 350, drawPrimitivesScene},
                {"character_set", 560, 424, drawCharacterSetScene}};
  const ShippedFonts fonts;
  for (const auto& scene : scenes) {
    TestFrame frame(scene.width, scene.height);
    frame.fonts = &fonts;
    scene.draw(frame);
    const png::Image actual = png::frameImage(frame);
    const std::string name = scene.name, reference = TX3_GOLDEN_SOURCE_DIR "/" + name + ".png";
    if (std::getenv("TX3_UPDATE_GOLDEN") != nullptr) {
      ASSERT_TRUE(png::writeFile(reference, actual));
      continue;
    }
    png::Image expected;
    ASSERT_TRUE(png::readFile(reference, expected)) << name;
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    const auto differ = std::mismatch(actual.rgb.begin(), actual.rgb.end(), expected.rgb.begin());
    if (differ.first == actual.rgb.end()) continue;
    const auto pixel = (differ.first - actual.rgb.begin()) / 3;
    png::writeFile(name + ".actual.png", actual);
    ADD_FAILURE() << name << ": first difference at (" << pixel % actual.width << ", "
                  << pixel / actual.width << "); the frame is in " << name << ".actual.png";
  }
}

}  // namespace
