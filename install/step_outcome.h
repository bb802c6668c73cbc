#pragma once

// How one step of an installation ended.
enum class StepOutcome {
  Done,         // the next step follows
  Copying,      // the entry is not staged whole yet: the same step goes on
  SourceFault,  // update.dat or the language's readme is missing or damaged
  TargetFault,  // an entry could not be written into the installation
  Finished,     // every file is in place, the game's cache removed
};
