#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/headless/disk_events.h"
#include "platform/headless/headless.h"
#include "platform/headless/registry.h"
#include "platform/headless/shell.h"
#include "platform/headless/window.h"
#include "support/update_fixture.h"

namespace fs = std::filesystem;

namespace {

const std::string kOldVersion("Release", 8);

class SilentUpdateTest : public UpdateFixture {
 protected:
  void SetUp() override {
    UpdateFixture::SetUp();
    headless::resetMessageLog();
    headless::resetDesktop();
    headless::setParentConsole(false);
  }
  void TearDown() override {
    headless::clearFileFailures();
    headless::setParentConsole(true);
    UpdateFixture::TearDown();
  }

  static int run(const std::string& line) { return runProgram(nullptr, nullptr, line.c_str()); }

  // The lines of u.log, each without the time it must begin with.
  std::vector<std::string> logLines() const {
    std::vector<std::string> lines;
    std::istringstream log(readFile(update("u.log")));
    const std::regex timed("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d (.*?)\r?");
    std::smatch parts;
    for (std::string line; std::getline(log, line);) {
      EXPECT_TRUE(std::regex_match(line, parts, timed)) << line;
      lines.push_back(parts[1]);
    }
    return lines;
  }
};

// As if the user had chosen the language, pressed Next and answered "Yes":
// into a folder given on the command line, with no window, box or readme.
TEST_F(SilentUpdateTest, InstallsEveryEntryWithoutWindowBoxOrReadme) {
  const fs::path folder = update("my game");
  fs::create_directories(folder / "data");
  fs::create_directories(folder / "pictures");
  fs::create_directories(folder / "qstart");
  writeFile(folder / "tx3.exe", "old program");
  writeFile(folder / "readme.txt", "the old readme");
  writeFile(update("readme_fra.txt"), "");  // an empty readme is whole too
  writeFile(folder / "data" / "club.dat", std::string(100000, 'o'));  // longer than the new body
  writeFile(folder / "tx3.icd", "cache");
  writeFile(folder / "qstart" / "league.qst", "old");
  // Read-only files are made writable before they are replaced or removed.
  for (const char* name : {"tx3.icd", "data/club.dat", "qstart/league.qst"})
    fs::permissions(folder / name, fs::perms::owner_write, fs::perm_options::remove);

  EXPECT_EQ(run("/SILENT -lang=fra \"/dir=" + folder.string() + "\" /log=u.log"), 0);
  bodies[34] = "";
  expectInstalled(0, 35, folder);
  EXPECT_FALSE(fs::exists(folder / "tx3.icd") || fs::exists(folder / "qstart" / "league.qst"));
  EXPECT_EQ(readFile(game("tx3.exe")), "old program");
  // Another copy than the one the settings name leaves them as they are.
  EXPECT_EQ(headless::registryValue(kGameKey, "Version"), kOldVersion);
  EXPECT_EQ(headless::registryValue(kGameKey, "Location"), game().string() + '\0');
  EXPECT_TRUE(headless::messageLog().empty());
  EXPECT_TRUE(headless::openedDocuments().empty());
  EXPECT_EQ(headless::windowsCreated(), 0);

  // The command line, language, settings, the version's fate, check, 36
  // entries staged, the commit, quick start, exit code.
  const std::vector<std::string> log = logLines();
  ASSERT_EQ(log.size(), 44u);
  EXPECT_EQ(log[3], "the version will not be recorded: " + folder.string() +
                        " is not the installation the game's settings name");
  EXPECT_EQ(log[6], "staged " + folder.string() + "\\data\\euro.cfg, 41 bytes");
  EXPECT_EQ(log[41], "installed: 36 files in place");
  EXPECT_EQ(log[42], "quick-start file removed: " + folder.string() + "\\qstart\\league.qst");

  // The folder the settings name, written with a backslash at its end.
  EXPECT_EQ(run("/silent \"/dir=" + game().string() + "\\\" /log=u.log"), 0);
  EXPECT_EQ(headless::registryValue(kGameKey, "Version"),
            std::string("Version 3.03e (ENG,FRA,POR,ITA)") + '\0');
  EXPECT_EQ(logLines()[85], "version recorded: Version 3.03e (ENG,FRA,POR,ITA)");
}

// A silent run that cannot update says why in its exit code and touches
// nothing: not the installation, the update's files or the settings.
TEST_F(SilentUpdateTest, EachRunThatCannotUpdateSaysWhyAndTouchesNothing) {
  const std::string archive = readFile(update("update.dat"));
  std::string negative = archive;  // entry 1 claims -1 bytes; the length still adds up
  negative.replace(4, 4, "\xff\xff\xff\xff");
  negative += std::string(bodies[1].size() - 1, 'n');
  const struct {
    const char* what;
    std::string line;
    bool registered;
    std::string archive;
    int exitCode;
  } cases[] = {
      {"no game recorded", "/silent /log=u.log", false, archive, 2},
      {"no game in the folder given",
       "/silent /log=n.log \"/dir=" + update("no game").string() + "\"", true, archive, 2},
      {"update.dat cut short", "/silent /log=s.log", true, archive.substr(0, archive.size() - 1),
       3},
      {"update.dat too long", "/silent", true, archive + "x", 3},
      {"its size table cut short", "/silent", true, archive.substr(0, 100), 3},
      {"a negative size", "/silent", true, negative, 3},
      {"update.dat missing", "/silent", true, "", 3},
      {"the language's readme missing", "/silent /lang=ita", true, archive, 3},
      {"packing with the files missing", "-pack /silent", true, archive, 3},
      {"a language not offered", "/silent /lang=nor", true, archive, 5},
      {"a log in place of update.dat", "/silent /log=Update.dat", true, archive, 5},
      {"the usage", "/silent /?", true, archive, 0},
  };
  for (const auto& c : cases) {
    headless::clearRegistry();
    if (c.registered) {
      headless::setRegistryValue(kGameKey, "Version", kOldVersion);
      headless::setRegistryValue(kGameKey, "Location", game().string() + '\0');
    }
    writeFile(update("update.dat"), c.archive);
    if (c.archive.empty()) fs::remove(update("update.dat"));

    EXPECT_EQ(run(c.line), c.exitCode) << c.what;
    EXPECT_TRUE(headless::messageLog().empty()) << c.what;
    EXPECT_EQ(readFile(game("tx3.exe")), "old program") << c.what;
    EXPECT_FALSE(fs::exists(game("data/euro.cfg"))) << c.what;
    EXPECT_EQ(fs::exists(update("update.dat")) ? readFile(update("update.dat")) : "", c.archive)
        << c.what;
    EXPECT_TRUE(fs::exists(update("readme_eng.txt"))) << c.what;
    EXPECT_EQ(headless::registryValue(kGameKey, "Version"),
              c.registered ? std::optional(kOldVersion) : std::nullopt)
        << c.what;
  }
  EXPECT_NE(readFile(update("u.log")).find("registry: no version of the game recorded"),
            std::string::npos);
  EXPECT_NE(readFile(update("n.log")).find("no tx3.exe in "), std::string::npos);
  EXPECT_NE(readFile(update("s.log")).find("source check failed: file update.dat: "),
            std::string::npos);
}

// A failed write names the entry, the file and the system's reason, and
// what was staged before it goes; a log that cannot be written changes
// nothing of the update.
TEST_F(SilentUpdateTest, TheLogNamesTheEntryTheFileAndTheCauseOfAFailedWrite) {
  headless::failFileOperation(headless::FileOperation::write, "events_fra.cfg.tx3inst-new");
  EXPECT_EQ(run("/silent /log=u.log"), 4);
  const std::string data = game().string() + "\\data\\";
  const std::vector<std::string> expected = {
      "command line: /silent /log=u.log",
      "language: eng",
      "registry: version \"Version 3.02 (ENG)\", folder " + game().string(),
      "source check passed",
      "staged " + game().string() + "\\tx3.exe, 65537 bytes",
      "staged " + data + "euro.cfg, 41 bytes",
      "staged " + data + "events_eng.cfg, 42 bytes",
      "write failed: entry events_fra.cfg, file " + data +
          "events_fra.cfg.tx3inst-new: " + std::strerror(ENOSPC),
      "update not completed: the staged files are removed, the game is as it was",
      "exit code 4",
  };
  EXPECT_EQ(logLines(), expected);
  EXPECT_EQ(headless::registryValue(kGameKey, "Version"), kOldVersion);
  EXPECT_EQ(readFile(game("tx3.exe")), "old program");
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(game()), {}), 3);

  // Run again with the log unwritable, answering "No" to the quick-start
  // question: a version that cannot be recorded is a failed write.
  headless::clearFileFailures();
  headless::failFileOperation(headless::FileOperation::open, "u.log");
  headless::setRegistryWritable(false);
  fs::create_directories(game("qstart"));
  writeFile(game("qstart/league.qst"), "old");
  EXPECT_EQ(run("/silent /keepQuickStart /log=u.log"), 4);
  expectInstalled(0, 35);
  EXPECT_TRUE(fs::exists(game("qstart/league.qst")));
  EXPECT_EQ(logLines(), expected);
}

}  // namespace
