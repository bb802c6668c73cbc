#pragma once

// How one step of an installation ended.
enum class StepOutcome {
  Done,         // the next step follows
  SourceFault,  // update.dat or the language's readme is missing or damaged
  TargetFault,  // an entry could not be written into the installation
  Finished,     // the new version is recorded and the game's cache removed
};
