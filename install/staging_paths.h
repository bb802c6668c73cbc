#pragma once

// While an update runs, each file it replaces has two companions in its own
// folder: the new file, staged there until the commit puts it in place, and
// the old one, kept from the moment it is replaced until the whole commit is
// done, so that it can be put back. No file of the game ends in their
// suffixes.
struct StagingPaths {
  char target[500];
  char staged[500];
  char backup[500];
};

// False when one of the paths would not fit.
bool stagingPathsOf(const char* target, StagingPaths& paths);
