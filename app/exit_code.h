#pragma once

// What a silent run tells the program that started it. Without /silent the
// installer ends with 0 whatever happened, as it always has.
enum ExitCode : int {
  kExitComplete = 0,       // the update is complete, or update.dat was packed
  kExitNotFound = 2,       // no installation of the game was found
  kExitSourceFault = 3,    // update.dat or the readme is missing or damaged; packing failed
  kExitWriteFault = 4,     // an entry could not be written into the installation
  kExitNotUnderstood = 5,  // the command line was not understood; nothing was touched
};
