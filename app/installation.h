#pragma once

class TX3INST;

// Reads the installed version and folder from the game's settings into the
// two buffers of kTextRoom characters and confirms the folder by the game's
// program file; tells the update's log what it found.
bool findInstallation(char* installedVersion, char* installDir);

// True when the folder holds the game's program file.
bool holdsGame(const char* folder);

// The wizard's look-up: sets the page to the versions page when the
// installation was found, else to the not-found page.
void lookUpInstallation(TX3INST& wizard);
