#pragma once

#include <cstdint>

#include "install/text_room.h"

// What the command line asks for. Switches start with '/' or '-' and are
// named in any letter case; a value follows '='; double quotes keep a value
// with spaces in one argument.
struct CommandLineOptions {
  bool packer = false;
  bool silent = false;
  bool help = false;
  bool keepQuickStart = false;
  bool languageChosen = false;
  int32_t language = 0;                // English unless another is chosen
  char installDir[kTextRoom] = {};     // empty: the folder the game's settings name
  char logFile[500] = {};              // empty: no log; never one of the update's own files
  char notUnderstood[kTextRoom] = {};  // the first argument not understood; empty when none
};

CommandLineOptions parseCommandLine(const char* commandLine);

// True when the command line asks for the packer: "-pack" anywhere in it,
// letter case as written, except inside the folder or file that /dir= or
// /log= names.
bool isPackerCommandLine(const char* commandLine);
