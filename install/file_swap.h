#pragma once

#include "install/staging_paths.h"

// Putting one staged file in place of its target, and back. Every rename
// waits, about two seconds in all, for a file that another program holds
// open (a virus scanner, the game itself) before it counts as failed.

// The old file becomes the kept one and the staged file the target. True
// once the new file is in place, also when it was before the call.
bool swapIn(const StagingPaths& paths);

// Undoes swapIn, whole or half done: the new file is staged again and the
// old one, if there was one, is the target again. False when a rename failed.
bool putBack(const StagingPaths& paths);

// Removes the staged file, or the kept old one, where there is one; false
// when it stays.
bool removeStaged(const StagingPaths& paths);
bool removeBackup(const StagingPaths& paths);
