#pragma once

class TX3INST;

// Finds the game's installation from its settings: reads the installed
// version and folder into the wizard and confirms the folder by the game's
// program file. Sets the page to the versions page or the not-found page.
void lookUpInstallation(TX3INST& wizard);
