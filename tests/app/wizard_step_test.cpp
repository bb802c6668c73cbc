#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"
#include "platform/headless/registry.h"
#include "platform/headless/shell.h"
#include "platform/input_state.h"
#include "render/font.h"
#include "render/primitives.h"
#include "render/text.h"
#include "update_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr uint16_t kBackspace = 8;
constexpr uint16_t kReturn = 13;
constexpr uint16_t kEscape = 27;
constexpr const char* kNewVersion = "Version 3.03e (ENG,FRA,POR,ITA)";

// The whole wizard as the main loop drives it, with the pointer, the buttons
// and the keys injected between turns.
class WizardTest : public UpdateFixture {
 protected:
  void SetUp() override {
    UpdateFixture::SetUp();
    for (const auto& font : fs::directory_iterator(fs::path(TX3_SOURCE_DIR) / "data" / "fonts"))
      fs::copy_file(font.path(), update(font.path().filename().string()));
    input = InputState{};
    wizard = std::make_unique<TX3INST>();
    ASSERT_TRUE(turn());  // the first turn draws the language page
    ASSERT_EQ(wizard->page, PAGE_LANGUAGE);
  }
  void TearDown() override {
    wizard.reset();
    input = InputState{};
    UpdateFixture::TearDown();
  }

  bool turn() {
    wizard->Redraw();  // as the window procedure does when the window is painted
    return wizard->Step();
  }

  bool click(int slot) {
    const WizardControl* control = wizard->controls[slot];
    EXPECT_NE(control, nullptr) << "slot " << slot << " on page " << wizard->page;
    if (control == nullptr) return true;
    input.x = static_cast<int16_t>(control->x + control->width / 2);
    input.y = static_cast<int16_t>(control->y + control->height / 2);
    input.leftButton = 1;
    turn();
    input.leftButton = 0;
    return wizard->Step();
  }

  bool key(uint16_t code, uint8_t character = 0) {
    input.keyCode = code;
    input.character = character;
    return wizard->Step();
  }

  void type(const std::string& text) {
    // The key code of a letter is its capital, the character as typed.
    for (char c : text)
      key(static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(c))),
          static_cast<uint8_t>(c));
  }

  void chooseLanguage(int32_t language) {
    for (int slot = 1; slot < kControlSlots; ++slot) {
      const WizardControl* control = wizard->controls[slot];
      if (control != nullptr && control->kind == KIND_LANGUAGE && control->target == language) {
        click(slot);
        return;
      }
    }
    ADD_FAILURE() << "no button for language " << language;
  }

  // Turns until the installing page is left or the program ends.
  bool installUntilStopped() {
    for (int turns = 0; turns < 100 && wizard->page == PAGE_INSTALLING; ++turns)
      if (!wizard->Step()) return false;
    return true;
  }

  bool versionRecorded() const {
    return headless::registryValue(kGameKey, "Version") == std::string(kNewVersion) + '\0';
  }

  std::unique_ptr<TX3INST> wizard;
};

TEST_F(WizardTest, WholeUpdateWithQuickStartQuestion) {
  fs::create_directories(game("qstart"));
  writeFile(game("qstart/league.qst"), "old");
  writeFile(game("tx3.icd"), "cache");

  EXPECT_TRUE(key(kReturn, '\r'));  // nothing to press on the language page
  EXPECT_EQ(wizard->page, PAGE_LANGUAGE);
  chooseLanguage(0);
  ASSERT_EQ(wizard->page, PAGE_VERSIONS);
  EXPECT_STREQ(wizard->controls[6]->text, "Version 3.02 (ENG)");
  click(4);  // Next
  ASSERT_EQ(wizard->page, PAGE_INSTALLING);
  EXPECT_TRUE(key(kReturn, '\r'));  // Enter does not interrupt the installation
  ASSERT_TRUE(installUntilStopped());

  ASSERT_EQ(wizard->page, PAGE_QUICKSTART);
  EXPECT_TRUE(versionRecorded());
  EXPECT_FALSE(fs::exists(game("tx3.icd")));
  EXPECT_TRUE(key(kReturn, '\r'));  // Yes
  EXPECT_TRUE(wizard->Step());
  ASSERT_EQ(wizard->page, PAGE_COMPLETED);
  EXPECT_FALSE(fs::exists(game("qstart/league.qst")));
  expectInstalled(0, 35);
  EXPECT_TRUE(headless::openedDocuments().empty());

  EXPECT_FALSE(click(4));  // Finish
  ASSERT_EQ(headless::openedDocuments().size(), 1u);
  EXPECT_EQ(headless::openedDocuments()[0], std::string(wizard->installDir) + "\\readme.txt");
}

TEST_F(WizardTest, ProgressGrowsOneEntryAtATime) {
  chooseLanguage(0);
  EXPECT_TRUE(key(kReturn, '\r'));
  ASSERT_EQ(wizard->page, PAGE_INSTALLING);
  const int left = wizard->boxX + 10;
  const auto middle = static_cast<int16_t>(wizard->boxY + 20);
  const int twoEntries = 2 * (wizard->boxW - 20) / 36;
  for (int done = 0; done < 3; ++done) wizard->Step();  // the check and two entries
  EXPECT_EQ(readPixel(static_cast<int16_t>(left + twoEntries - 1), middle), 31);
  EXPECT_NE(readPixel(static_cast<int16_t>(left + twoEntries), middle), 31);
  ASSERT_TRUE(installUntilStopped());
  EXPECT_EQ(wizard->page, PAGE_COMPLETED);
}

TEST_F(WizardTest, EscapeWhileInstallingEndsWithoutRecordingTheVersion) {
  chooseLanguage(0);
  click(4);
  for (int done = 0; done < 5; ++done) ASSERT_TRUE(wizard->Step());
  EXPECT_FALSE(key(kEscape, 27));
  EXPECT_FALSE(versionRecorded());
  EXPECT_TRUE(headless::openedDocuments().empty());
}

TEST_F(WizardTest, ExitWhileInstallingEndsAfterTheCurrentEntry) {
  chooseLanguage(0);
  click(4);
  ASSERT_TRUE(wizard->Step());  // the source check
  EXPECT_FALSE(click(0));
  EXPECT_FALSE(versionRecorded());
  EXPECT_TRUE(headless::openedDocuments().empty());
}

TEST_F(WizardTest, EscapeOnTheCompletedPageOpensNoReadme) {
  chooseLanguage(0);
  click(4);
  ASSERT_TRUE(installUntilStopped());
  ASSERT_EQ(wizard->page, PAGE_COMPLETED);
  EXPECT_FALSE(key(kEscape, 27));
  EXPECT_TRUE(headless::openedDocuments().empty());
}

TEST_F(WizardTest, NotFoundPageEndsOnEnter) {
  fs::remove(game("tx3.exe"));
  chooseLanguage(2);
  EXPECT_EQ(wizard->page, PAGE_NOT_FOUND);
  EXPECT_FALSE(key(kReturn, '\r'));
  EXPECT_TRUE(headless::openedDocuments().empty());
}

// After a write failure the user types another folder; the installation goes
// on there with the entry that failed.
TEST_F(WizardTest, WriteErrorResumesInATypedFolder) {
  fs::remove_all(game("data"));
  fs::create_directories(update("g2/data"));
  fs::create_directories(update("g2/pictures"));
  chooseLanguage(0);
  click(4);
  ASSERT_TRUE(installUntilStopped());
  ASSERT_EQ(wizard->page, PAGE_WRITE_ERROR);
  click(3);  // Back
  ASSERT_EQ(wizard->page, PAGE_LOCATION);

  while (wizard->installDir[0] != '\0') key(kBackspace, 8);
  EXPECT_TRUE(key(kBackspace, 8));  // on an empty folder it does nothing
  type("g2");
  key('E', 0xE9);  // e acute: only codes 32 to 127 are typed
  EXPECT_STREQ(wizard->installDir, "g2");
  EXPECT_STREQ(wizard->controls[2]->text, "g2|");

  EXPECT_TRUE(key(kReturn, '\r'));
  EXPECT_TRUE(wizard->Step());
  ASSERT_EQ(wizard->page, PAGE_VERSIONS);
  click(4);
  ASSERT_TRUE(installUntilStopped());
  ASSERT_EQ(wizard->page, PAGE_COMPLETED);
  EXPECT_FALSE(fs::exists(update("g2/tx3.exe")));  // installed before the failure
  EXPECT_EQ(readFile(update("g2/data/euro.cfg")), bodies[1]);
  EXPECT_EQ(readFile(update("g2/readme.txt")), readme("eng"));
  EXPECT_EQ(headless::registryValue(kGameKey, "Location"), game().string() + '\0');
}

TEST_F(WizardTest, TypedFolderStaysInsideTheBoxAndTheField) {
  fs::remove_all(game("data"));
  chooseLanguage(0);
  click(4);
  ASSERT_TRUE(installUntilStopped());
  click(3);
  ASSERT_EQ(wizard->page, PAGE_LOCATION);

  type(std::string(300, 'W'));
  const size_t fitted = std::strlen(wizard->installDir);
  EXPECT_LE(textWidth(kFontControls, wizard->installDir), wizard->boxW);
  EXPECT_LT(fitted, 199u);
  std::string wider = std::string(wizard->installDir) + "W";
  EXPECT_GT(textWidth(kFontControls, wider.c_str()), wizard->boxW);

  // A folder read from the registry may already fill the field.
  std::memset(wizard->installDir, 'i', 199);
  wizard->installDir[199] = '\0';
  type("x");
  EXPECT_EQ(std::strlen(wizard->installDir), 199u);
  key(kBackspace, 8);
  EXPECT_EQ(std::strlen(wizard->installDir), 198u);
}

TEST_F(WizardTest, ChoosingALanguageAgainRereadsTheRegistry) {
  fs::remove_all(game("data"));
  chooseLanguage(0);
  click(4);
  ASSERT_TRUE(installUntilStopped());
  click(3);
  type("typed");
  click(3);  // Back to the language page
  ASSERT_EQ(wizard->page, PAGE_LANGUAGE);
  chooseLanguage(2);
  EXPECT_EQ(wizard->page, PAGE_VERSIONS);
  EXPECT_EQ(std::string(wizard->installDir), game().string());
}

}  // namespace
