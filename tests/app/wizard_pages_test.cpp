#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "app/language_page.h"
#include "app/language_tables.h"
#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"
#include "page_shots/page_scene.h"
#include "png/frame_png.h"
#include "render/font.h"
#include "render/text.h"
#include "support/temp_folder.h"
#include "wizard_fixture.h"

namespace {

class PagesTest : public testing::Test {
 protected:
  void show(int16_t page, int32_t language = LANGUAGE_ENGLISH) {
    drawPageShot(wizard_, page, language);
  }

  int controlsInSlots() const {
    int count = 0;
    for (const WizardControl* control : wizard_.controls) count += control != nullptr ? 1 : 0;
    return count;
  }

  const WizardControl& slot(int index) const {
    const WizardControl* control = wizard_.controls[index];
    EXPECT_NE(control, nullptr) << "slot " << index;
    static const WizardControl kMissing{};
    return control != nullptr ? *control : kMissing;
  }

  // The panel of the common layout: two thirds of the frame, centred below
  // the heading.
  int heading() const { return fontHeight(kFontHeading) + fontHeight(kFontBody); }
  int panelX() const { return (550 - 366) / 2; }
  int panelY() const { return (350 - (2 * (350 - heading())) / 3) / 2; }

  CurrentFolder inFonts_{fontFolder()};
  TX3INST wizard_;
};

// Repaints rebuild every page but the first; none may leave controls behind.
TEST_F(PagesTest, EveryPageHasTheExitButtonAndRepaintsAddNoControls) {
  ASSERT_FALSE(wizard_.quit);
  for (int16_t page = 0; page < kPageCount; ++page) {
    show(page);
    const int count = controlsInSlots();
    wizard_.Redraw();
    wizard_.Redraw();
    EXPECT_EQ(controlsInSlots(), count) << page;
    const WizardControl& exit = slot(0);
    EXPECT_EQ(exit.kind, KIND_EXIT) << page;
    const std::array<int, 4> box = {exit.x, exit.y, exit.width, exit.height};
    EXPECT_EQ(box, (std::array<int, 4>{450, 310, 80, 20}));
    EXPECT_STREQ(exit.text, "Exit");
  }
  show(PAGE_VERSIONS, LANGUAGE_PORTUGUESE);
  EXPECT_STREQ(slot(0).text, "Sair");
}

TEST_F(PagesTest, TheLanguagePageStacksTheFourOfferedLanguagesInTheMiddle) {
  show(PAGE_LANGUAGE);
  const int32_t expected[] = {LANGUAGE_ENGLISH, LANGUAGE_FRENCH, LANGUAGE_ITALIAN,
                              LANGUAGE_PORTUGUESE};
  const int row = fontHeight(kFontBody);
  for (int k = 0; k < 4; ++k) {
    const WizardControl& button = slot(k + 1);
    EXPECT_EQ(button.kind, KIND_LANGUAGE);
    EXPECT_EQ(button.target, expected[k]);
    EXPECT_STREQ(button.text, kInstallLabel[static_cast<size_t>(expected[k])]);
    EXPECT_EQ(button.x, (550 - button.width) / 2);
    EXPECT_EQ(button.y, slot(1).y + row * k);
    EXPECT_EQ(button.height, row - 2);
  }
  EXPECT_EQ(slot(1).y, (350 - heading() - row * 4) / 2 + heading() - 15);
  for (int k = 5; k < kControlSlots; ++k) EXPECT_EQ(wizard_.controls[k], nullptr);
}

TEST(LanguageButtons, ASingleOfferedLanguageMakesOneButton) {
  FontsLoaded fonts;
  std::array<WizardControl*, kControlSlots> slots = {};
  std::array<bool, kLanguageCount> offered = {};
  offered[LANGUAGE_ITALIAN] = true;
  EXPECT_EQ(buildLanguageButtons(slots, 550, 350, 40, offered), 1);
  ASSERT_NE(slots[1], nullptr);
  EXPECT_EQ(slots[1]->target, LANGUAGE_ITALIAN);
  EXPECT_EQ(slots[2], nullptr);
  for (WizardControl*& control : slots) delete control;
}

TEST_F(PagesTest, RepaintingTheLanguagePageKeepsItsButtonsOtherPagesStartAfresh) {
  show(PAGE_LANGUAGE);
  WizardControl* english = wizard_.controls[1];
  english->pressed = true;
  english->lastButton = true;
  wizard_.Redraw();
  EXPECT_EQ(wizard_.controls[1], english);
  EXPECT_TRUE(english->pressed && english->lastButton);

  show(PAGE_VERSIONS);
  wizard_.controls[4]->pressed = true;
  wizard_.controls[4]->clickPending = true;
  wizard_.Redraw();
  EXPECT_FALSE(slot(4).pressed || slot(4).clickPending);
}

TEST_F(PagesTest, TheInstallingAndLocationPagesPlaceTheirBoxes) {
  show(PAGE_INSTALLING);
  EXPECT_EQ(wizard_.boxX, panelX());
  EXPECT_EQ(wizard_.boxY, (350 - heading()) / 2);
  EXPECT_EQ(wizard_.boxW, 366);
  EXPECT_EQ(controlsInSlots(), 3);

  std::string folder(199, 'd');
  std::snprintf(wizard_.installDir, sizeof wizard_.installDir, "%s", "c:\\games\\tx3");
  show(PAGE_LOCATION);
  EXPECT_EQ(wizard_.boxX, panelX() + 10);
  EXPECT_EQ(wizard_.boxY, (350 - heading()) / 2 + 40);
  EXPECT_EQ(wizard_.boxW, 346);
  EXPECT_EQ(slot(2).kind, KIND_ENTRY);
  EXPECT_STREQ(slot(2).text, "c:\\games\\tx3|");
  EXPECT_STREQ(slot(5).text, "Click 'Next' to continue");
  EXPECT_EQ(slot(5).y, panelY() + 27);
  EXPECT_EQ(wizard_.controls[6], nullptr);
  // A folder of the longest length leaves no room for the cursor bar.
  std::snprintf(wizard_.installDir, sizeof wizard_.installDir, "%s", folder.c_str());
  wizard_.Redraw();
  EXPECT_EQ(std::string(slot(2).text), folder);
}

TEST_F(PagesTest, PagesSpeakTheChosenLanguageAndShowTheVersionAsStored) {
  show(PAGE_VERSIONS, LANGUAGE_FRENCH);
  EXPECT_STREQ(slot(4).text, "Suite >");
  EXPECT_STREQ(slot(0).text, "Quitter");
  show(PAGE_NOT_FOUND, LANGUAGE_ITALIAN);
  EXPECT_EQ(slot(3).kind, KIND_INACTIVE);
  EXPECT_STREQ(slot(5).text, "Impossibile trovare l'installazione di TX3");
  wizard_.installedVersion[0] = '\0';
  wizard_.page = PAGE_VERSIONS;
  wizard_.Redraw();
  EXPECT_STREQ(slot(6).text, "");
  EXPECT_STREQ(slot(8).text, NEW_VERSION);
}

TEST_F(PagesTest, WithoutAFrameNothingChanges) {
  show(PAGE_VERSIONS);
  WizardControl* next = wizard_.controls[4];
  wizard_.CloseGraphics();
  wizard_.page = PAGE_COMPLETED;
  wizard_.Redraw();
  EXPECT_EQ(wizard_.builtPage, PAGE_VERSIONS);
  EXPECT_EQ(wizard_.controls[4], next);
}

// Every page in English, pixel for pixel. When a change of the look is meant,
// regenerate with: page_shots data/fonts tests/app/golden --english
TEST_F(PagesTest, EveryPageLooksAsRecorded) {
  for (int16_t page = 0; page < kPageCount; ++page) {
    show(page);
    const std::string name = pageShotName(page, LANGUAGE_ENGLISH);
    png::Image expected;
    ASSERT_TRUE(png::readFile((goldenFolder() / name).string(), expected)) << name;
    const png::Image actual = png::frameImage();
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    int differing = 0;
    for (size_t i = 0; i < actual.rgb.size(); i += 3) {
      differing += actual.rgb[i] != expected.rgb[i] || actual.rgb[i + 1] != expected.rgb[i + 1] ||
                           actual.rgb[i + 2] != expected.rgb[i + 2]
                       ? 1
                       : 0;
    }
    EXPECT_EQ(differing, 0) << name << " differs in " << differing << " pixels";
  }
}

}  // namespace
