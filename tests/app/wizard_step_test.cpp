#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>

#include "app/command_line.h"
#include "app/language_choice.h"
#include "app/language_tables.h"
#include "app/program.h"
#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"
#include "archive/packer.h"
#include "install/quick_start.h"
#include "install/update_log.h"
#include "platform/headless/accessibility.h"
#include "platform/headless/registry.h"
#include "platform/headless/shell.h"
#include "platform/headless/window.h"
#include "render/font.h"
#include "render/primitives.h"
#include "render/text.h"
#include "wizard_fixture.h"

namespace fs = std::filesystem;

namespace {

TEST_F(WizardTest, EnterWorksThroughTheWholeUpdateAndFinishOpensTheReadme) {
  fs::create_directories(game("qstart"));
  writeFile(game("qstart/league.qst"), "old");
  writeFile(game("qstart/cup.qst"), "old");
  writeFile(game("qstart/notes.txt"), "keep");
  writeFile(game("qstart/.mine.qst"), "hidden, so the player's own");
  writeFile(game("qstart/league.qstx"), "keep");  // its short name LEAGUE~1.QST matches *.qst
  fs::permissions(game("qstart/cup.qst"), fs::perms::owner_write, fs::perm_options::remove);
  startUpdateLog("w.log");  // the wizard logs as a silent run does

  EXPECT_TRUE(key(KEY_RETURN, '\r'));  // nothing to press on the language page
  EXPECT_EQ(wizard->page, PAGE_LANGUAGE);
  click(1);  // English
  ASSERT_EQ(wizard->page, PAGE_VERSIONS);
  EXPECT_TRUE(key(KEY_RETURN, '\r'));  // Next
  ASSERT_EQ(wizard->page, PAGE_INSTALLING);
  EXPECT_TRUE(key(KEY_RETURN, '\r'));  // the check; Enter does not interrupt the installation
  // The bar grows one entry at a time.
  for (int done = 0; done < 2; ++done) EXPECT_TRUE(turn());
  const int twoEntries = wizard->boxX + 10 + 2 * (wizard->boxW - 20) / 36;
  const auto barPixel = [this](int x, int belowBox) {
    return readPixel(wizard->frame(), static_cast<int16_t>(x),
                     static_cast<int16_t>(wizard->boxY + belowBox));
  };
  EXPECT_EQ(barPixel(twoEntries - 1, 20), 31);
  EXPECT_NE(barPixel(twoEntries, 20), 31);
  EXPECT_EQ(barPixel(twoEntries - 1, 30), 0x7FFF);  // the trough's lower edge stays
  installUntilStopped();

  ASSERT_EQ(wizard->page, PAGE_QUICKSTART);
  EXPECT_EQ(headless::registryValue(kGameKey, "Version"),
            std::string("Version 3.03e (ENG,FRA,POR,ITA)") + '\0');
  EXPECT_TRUE(key(KEY_RETURN, '\r'));  // Yes
  EXPECT_TRUE(turn());
  ASSERT_EQ(wizard->page, PAGE_COMPLETED);
  EXPECT_FALSE(fs::exists(game("qstart/league.qst")) || fs::exists(game("qstart/cup.qst")));
  EXPECT_TRUE(fs::exists(game("qstart/notes.txt")) && fs::exists(game("qstart/league.qstx")));
  // Nor does a folder too long for the pattern hold any.
  EXPECT_FALSE(clearQuickStart(game().string().c_str(), false) ||
               clearQuickStart(std::string(499, 'q').c_str(), false));
  EXPECT_FALSE(click(4));  // Finish
  ASSERT_EQ(headless::openedDocuments().size(), 1u);
  EXPECT_EQ(headless::openedDocuments()[0], std::string(wizard->installDir) + "\\readme.txt");
  stopUpdateLog();
  EXPECT_NE(readFile(update("w.log")).find(" quick-start file removed: "), std::string::npos);
}

// After a write failure the user types another folder; typing keeps to the
// box and the field, choosing a language reads the registry again, and the
// installation goes on in the typed folder with the entry that failed.
TEST_F(WizardTest, WriteErrorResumesInATypedFolder) {
  fs::remove_all(game("data"));
  fs::create_directories(update("g 2/data"));
  fs::create_directories(update("g 2/pictures"));
  click(1);  // English
  click(4);
  installUntilStopped();
  ASSERT_EQ(wizard->page, PAGE_WRITE_ERROR);
  click(3);  // Back
  ASSERT_EQ(wizard->page, PAGE_LOCATION);

  type(std::string(300, 'W'));
  // A screen reader hears the entry box, the second item, change.
  EXPECT_EQ(headless::accessibleNotices().back().item, 1);
  EXPECT_LE(textWidth(wizard->frame(), kFontControls, wizard->installDir), wizard->boxW);
  const std::string wider = std::string(wizard->installDir) + "W";
  EXPECT_GT(textWidth(wizard->frame(), kFontControls, wider.c_str()), wizard->boxW);
  // A folder read from the registry may already fill the field.
  std::memset(wizard->installDir, 'i', 199);
  wizard->installDir[199] = '\0';
  headless::resetAccessibleNotices();
  type("x");
  EXPECT_EQ(std::strlen(wizard->installDir), 199u);
  EXPECT_TRUE(headless::accessibleNotices().empty());  // refused: nothing changed

  click(3);  // Back to the language page
  ASSERT_EQ(wizard->page, PAGE_LANGUAGE);
  click(2);  // French
  ASSERT_EQ(wizard->page, PAGE_VERSIONS);
  EXPECT_EQ(std::string(wizard->installDir), game().string());
  click(4);
  installUntilStopped();
  ASSERT_EQ(wizard->page, PAGE_WRITE_ERROR);
  click(3);

  while (wizard->installDir[0] != '\0') key(KEY_BACKSPACE, 8);
  EXPECT_TRUE(key(KEY_BACKSPACE, 8));  // on an empty folder it does nothing
  type("g 3\b2");                      // a burst arrives whole and in order
  key(KEY_NONE, 0xE9);                 // e acute: only codes 32 to 127 are typed
  EXPECT_STREQ(wizard->controls[2]->text, "g 2|");
  EXPECT_TRUE(key(KEY_RETURN, '\r'));
  EXPECT_TRUE(turn());
  ASSERT_EQ(wizard->page, PAGE_VERSIONS);
  click(4);
  installUntilStopped();
  ASSERT_EQ(wizard->page, PAGE_COMPLETED);
  // Staged before the failure, committed with the rest.
  EXPECT_FALSE(fs::exists(update("g 2/tx3.exe")));
  EXPECT_EQ(readFile(game("tx3.exe")), bodies[0]);
  EXPECT_EQ(readFile(update("g 2/data/euro.cfg")), bodies[1]);
  EXPECT_EQ(readFile(update("g 2/readme.txt")), readme("fra"));
  EXPECT_FALSE(key(KEY_ESCAPE, 27));  // only Finish opens the readme
  EXPECT_TRUE(headless::openedDocuments().empty());
}

// /lang= starts the wizard as if its button had been pressed; /dir= takes the
// registered folder's place, also for a language chosen on the page, and
// the version the settings record is shown only for the folder they name.
TEST_F(WizardTest, TheCommandLineChoosesTheLanguageAndTheFolder) {
  const std::string copy = update("copy").string();
  fs::copy(game(), copy, fs::copy_options::recursive);
  // The command line, then the page, folder and installed version shown.
  const std::tuple<std::string, int16_t, std::string, const char*> starts[] = {
      {"\"/dir=" + copy + "\"", PAGE_VERSIONS, copy, ""},
      {"/lang=ita", PAGE_VERSIONS, game().string(), "Version 3.02 (ENG)"},
      {"/lang=fra \"/dir=" + game().string() + "\\\"", PAGE_VERSIONS, game().string() + "\\",
       "Version 3.02 (ENG)"},
      {"/lang=fra \"/dir=" + copy + "\"", PAGE_VERSIONS, copy, ""},
      {"/lang=fra /dir=nowhere", PAGE_NOT_FOUND, "nowhere", ""},
  };
  for (const auto& [line, page, folder, version] : starts) {
    wizard.reset();
    wizard = std::make_unique<TX3INST>();
    startWizard(*wizard, parseCommandLine(line.c_str()));
    wizard->Redraw();
    if (wizard->page == PAGE_LANGUAGE) click(1);  // English
    EXPECT_EQ(wizard->page, page) << line;
    EXPECT_EQ(wizard->installDir, folder) << line;
    EXPECT_STREQ(page == PAGE_VERSIONS ? wizard->controls[6]->text : "", version);
  }
  // Updating the copy leaves the registered version as it was.
  wizard.reset();
  wizard = std::make_unique<TX3INST>();
  startWizard(*wizard, parseCommandLine(std::get<0>(starts[3]).c_str()));
  wizard->Redraw();
  click(4);
  installUntilStopped();
  EXPECT_EQ(wizard->page, PAGE_COMPLETED);
  expectInstalled(0, 33, copy);
  EXPECT_EQ(headless::registryValue(kGameKey, "Version"), std::string("Release", 8));
  wizard.reset();
  headless::postClose();
  EXPECT_EQ(runProgram(nullptr, nullptr, "/lang=ita /log=w.log /bogus"), 0);
  EXPECT_EQ(headless::window().title, languageText(kWizardTitle, LANGUAGE_ITALIAN));
  EXPECT_NE(readFile(update("w.log")).find("not understood: /bogus"), std::string::npos);
}

// Where each button of each page leads (-1: the program ends), and what the
// two answers to the quick-start question do to its files.
TEST_F(WizardTest, EveryButtonLeadsWhereItShould) {
  fs::create_directories(game("qstart"));
  writeFile(game("qstart/league.qst"), "old");
  click(1);  // English: the installation is found
  const struct {
    int16_t page;
    int slot;
    int leadsTo;
    bool quickStartKept;
  } buttons[] = {{PAGE_NOT_FOUND, 4, -1, true},
                 {PAGE_VERSIONS, 0, -1, true},
                 {PAGE_VERSIONS, 3, PAGE_LANGUAGE, true},
                 {PAGE_VERSIONS, 4, PAGE_INSTALLING, true},
                 {PAGE_SOURCE_ERROR, 4, -1, true},
                 {PAGE_INSTALLATION_CORRUPT, 4, -1, true},
                 {PAGE_QUICKSTART, 3, PAGE_COMPLETED, true},
                 {PAGE_QUICKSTART, 4, PAGE_COMPLETED, false},
                 {PAGE_LOCATION, 3, PAGE_LANGUAGE, false},
                 {PAGE_LOCATION, 4, PAGE_VERSIONS, false},
                 {PAGE_WRITE_ERROR, 3, PAGE_LOCATION, false},
                 {PAGE_WRITE_ERROR, 4, -1, false},
                 {PAGE_NOT_COMPATIBLE, 4, -1, false},
                 {PAGE_COMPLETED, 0, -1, false},
                 {PAGE_COMPLETED, 4, -1, false}};
  for (const auto& button : buttons) {
    wizard->quit = false;
    show(button.page);
    const bool goesOn = click(button.slot);
    EXPECT_EQ(goesOn ? wizard->page : -1, button.leadsTo) << button.page << ", " << button.slot;
    EXPECT_EQ(fs::exists(game("qstart/league.qst")), button.quickStartKept) << button.page;
  }
  // Only the buttons that end the completed update show its readme.
  EXPECT_EQ(headless::openedDocuments().size(), 2u);
}

// While copying, an archive cut short is the update's fault and a pictures
// list that cannot be written is passed over. A file that cannot be put in
// place stops the commit with everything put back; going on tries the commit
// again, and Exit removes what was staged.
TEST_F(WizardTest, FaultsShowTheirPagesAndLeaveTheGameAsItWas) {
  click(1);
  click(4);
  turn();  // the sources are fine at first
  const std::string archive = readFile(update("update.dat"));
  writeFile(update("update.dat"), archive.substr(0, 200));
  startUpdateLog("w.log");
  installUntilStopped();
  stopUpdateLog();
  EXPECT_EQ(wizard->page, PAGE_SOURCE_ERROR);
  EXPECT_EQ(wizard->installStep, 1);  // tx3.exe, whose body was cut
  // An archive that ends too soon is no error of the system's.
  EXPECT_NE(readFile(update("w.log"))
                .find("update file failed: entry tx3.exe, file update.dat: the file ends too soon"),
            std::string::npos);

  writeFile(update("update.dat"), archive);
  fs::remove_all(game("pictures"));
  fs::create_directories(game("readme.txt/in the way"));
  wizard->installStep = 0;
  wizard->page = PAGE_INSTALLING;
  installUntilStopped();
  EXPECT_EQ(wizard->page, PAGE_WRITE_ERROR);
  EXPECT_EQ(wizard->installStep, 37);
  EXPECT_EQ(readFile(game("tx3.exe")), "old program");
  EXPECT_EQ(readFile(game("tx3.exe.tx3inst-new")), bodies[0]);
  EXPECT_EQ(readFile(journal()).find("committing"), std::string::npos);  // all put back
  EXPECT_TRUE(fs::exists(update("readme_eng.txt")));

  fs::remove_all(game("readme.txt"));
  click(3);  // Back, Next, Next: the commit again
  click(4);
  click(4);
  installUntilStopped();
  EXPECT_EQ(wizard->page, PAGE_COMPLETED);
  expectInstalled(7, 35);
  EXPECT_FALSE(fs::exists(game("pictures")));
  EXPECT_FALSE(fs::exists(update("readme_eng.txt")));
}

// Escape while an entry is copied ends the wizard within a slice, and
// nothing of the update stays: not in the game, not in the journal.
TEST_F(WizardTest, EscapeWhileInstallingLeavesTheGameAsItWas) {
  bodies[0] = patternBytes(9 << 20, 7);  // three slices
  writeFile(update("tx3.exe"), bodies[0]);
  for (int i = 1; i < kArchiveEntryCount; ++i)
    if (!isReadmeEntry(i)) writeFile(update(ArchiveEntryTable[i].fileName), bodies[i]);
  ASSERT_TRUE(packUpdateArchive());
  click(1);
  click(4);
  turn();  // the check
  turn();  // the first slice of tx3.exe
  EXPECT_TRUE(wizard->installStep == 1 && wizard->page == PAGE_INSTALLING);
  EXPECT_TRUE(fs::exists(game("tx3.exe.tx3inst-new")));
  EXPECT_FALSE(key(KEY_ESCAPE, 27));
  wizard.reset();
  EXPECT_EQ(readFile(game("tx3.exe")), "old program");
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(game()), {}), 3);
  EXPECT_FALSE(fs::exists(journal()));
}

}  // namespace
