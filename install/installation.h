#pragma once

#include "install/text_room.h"

// Reads the installed version and folder from the game's settings into the
// two buffers of kTextRoom characters and confirms the folder by the game's
// program file; tells the update's log what it found.
bool findInstallation(char* installedVersion, char* installDir);

// True when the folder holds the game's program file.
bool holdsGame(const char* folder);
