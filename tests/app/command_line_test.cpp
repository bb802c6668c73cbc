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
  text += "lang=" + std::to_string(options.language);
  if (options.installDir[0] != '\0') text += " dir=" + std::string(options.installDir);
  if (options.logFile[0] != '\0') text += " log=" + std::string(options.logFile);
  if (options.notUnderstood[0] != '\0') text += " ?" + std::string(options.notUnderstood);
  return text;
}

// Switches in any case after '/' or '-', values after '=', quotes that keep
// spaces in one argument. Languages this build does not offer, switches it
// does not know, values missing or too long and bare words are not
// understood. "-pack" anywhere, letter case as written, selects the packer
// before any switch is looked at, as it always did.
TEST(CommandLineTest, SwitchesValuesAndThePackerAreTakenAsWritten) {
  const struct {
    std::string line;
    std::string expected;
  } cases[] = {
      {"", "lang=0"},
      {"  /silent\t-KEEPQUICKSTART ", "silent keep lang=0"},
      {"-Silent /lang=FRA", "silent lang=2"},
      {"/LANG=ita -lang=por", "lang=5"},
      {"/dir=C:\\longer /dir=C:\\tx3", "lang=0 dir=C:\\tx3"},
      {"/?", "help lang=0"},
      {"/dir=C:\\Games\\TX3 -Log=update.log", "lang=0 dir=C:\\Games\\TX3 log=update.log"},
      {"\"/dir=C:\\Program Files\\TX3\" /log=\"C:\\my logs\\tx3.log\"",
       "lang=0 dir=C:\\Program Files\\TX3 log=C:\\my logs\\tx3.log"},
      {"/silent \"\"", "silent lang=0"},
      {"/silent /quiet /verbose", "silent lang=0 ?/quiet"},
      {"/lang=esp", "lang=0 ?/lang=esp"},
      {"/lang=fr", "lang=0 ?/lang=fr"},
      {"/lang", "lang=0 ?/lang"},
      {"/dir= /log=", "lang=0 ?/dir="},
      {"/silent=yes", "lang=0 ?/silent=yes"},
      {"/silentx", "lang=0 ?/silentx"},
      {"C:\\Games\\TX3", "lang=0 ?C:\\Games\\TX3"},
      {"/dir=" + std::string(199, 'd'), "lang=0 dir=" + std::string(199, 'd')},
      {"/dir=" + std::string(200, 'd'), "lang=0 ?/dir=" + std::string(194, 'd')},
      {"/log=" + std::string(700, 'l'), "lang=0 ?/log=" + std::string(194, 'l')},
      {"-pack", "pack lang=0"},
      {"x-packed /SILENT", "pack silent lang=0"},
      {"/dir=C:\\my-packs", "pack lang=0"},
      {"-PACK", "lang=0 ?-PACK"},
      {"pack /pack", "lang=0 ?pack"},
  };
  for (const auto& c : cases) EXPECT_EQ(taken(c.line), c.expected) << c.line;
  EXPECT_FALSE(isPackerCommandLine(nullptr));
}

}  // namespace
