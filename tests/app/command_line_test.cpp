#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace {

// What the line asks for, in one comparable text; "?" marks the first
// argument not understood.
std::string taken(const std::string& line) {
  const CommandLineOptions options = parseCommandLine(line.c_str());
  std::string text = options.packer ? "pack " : "";
  if (options.silent) text += "silent ";
  if (options.help) text += "help ";
  if (options.keepQuickStart) text += "keep ";
  text += "lang=" + (options.languageChosen ? std::to_string(options.language) : "-");
  if (options.installDir[0] != '\0') text += " dir=" + std::string(options.installDir);
  if (options.logFile[0] != '\0') text += " log=" + std::string(options.logFile);
  if (options.notUnderstood[0] != '\0') text += " ?" + std::string(options.notUnderstood);
  return text;
}

// Switches in any case after '/' or '-', values after '=', quotes that keep
// spaces in one argument. Languages this build does not offer, switches it
// does not know, values missing or too long and bare words are not
// understood, and so is a log in place of one of the update's own files.
// "-pack" anywhere, letter case as written, selects the packer before any
// switch is looked at, as it always did, except inside the folder or file
// that /dir= or /log= names.
TEST(CommandLineTest, SwitchesValuesAndThePackerAreTakenAsWritten) {
  const struct {
    std::string line;
    std::string expected;
  } cases[] = {
      {"", "lang=-"},
      {"  /silent\t-KEEPQUICKSTART ", "silent keep lang=-"},
      {"-Silent /lang=FRA", "silent lang=2"},
      {"/lang=ENG", "lang=0"},
      {"/LANG=ita -lang=por", "lang=5"},
      {"/dir=C:\\longer /dir=C:\\tx3", "lang=- dir=C:\\tx3"},
      {"/?", "help lang=-"},
      {"/dir=C:\\Games\\TX3 -Log=update.log", "lang=- dir=C:\\Games\\TX3 log=update.log"},
      {"\"/dir=C:\\Program Files\\TX3\" /log=\"C:\\my logs\\tx3.log\"",
       "lang=- dir=C:\\Program Files\\TX3 log=C:\\my logs\\tx3.log"},
      {"/silent \"\"", "silent lang=-"},
      {"/silent /quiet /verbose", "silent lang=- ?/quiet"},
      {"/lang=esp", "lang=- ?/lang=esp"},
      {"/lang=fr", "lang=- ?/lang=fr"},
      {"/lang", "lang=- ?/lang"},
      {"/dir= /log=", "lang=- ?/dir="},
      {"/silent=yes", "lang=- ?/silent=yes"},
      {"/silentx", "lang=- ?/silentx"},
      {"Xdir=C:\\Games\\TX3", "lang=- ?Xdir=C:\\Games\\TX3"},
      {"/dir=" + std::string(199, 'd'), "lang=- dir=" + std::string(199, 'd')},
      {"/dir=" + std::string(200, 'd'), "lang=- ?/dir=" + std::string(194, 'd')},
      {"/log=" + std::string(700, 'l'), "lang=- ?/log=" + std::string(194, 'l')},
      {"-pack", "pack lang=-"},
      {"x-packed /SILENT", "pack silent lang=-"},
      {"/silent \"/dir=D:\\sw-packages\\tx3\" -LOG=x-pack.log",
       "silent lang=- dir=D:\\sw-packages\\tx3 log=x-pack.log"},
      {"-pack /dir=C:\\my-packs", "pack lang=- dir=C:\\my-packs"},
      {"/log=UPDATE.DAT /log=.\\readme_sve.txt /log=logs\\..\\Arial_14.fnt",
       "lang=- ?/log=UPDATE.DAT"},
      {"/log=update.dat.log /log=..\\update.dat", "lang=- log=..\\update.dat"},
      {"-PACK", "lang=- ?-PACK"},
      {"pack /pack", "lang=- ?pack"},
  };
  for (const auto& c : cases) EXPECT_EQ(taken(c.line), c.expected) << c.line;
  EXPECT_FALSE(isPackerCommandLine(nullptr));
}

}  // namespace
