#pragma once

#include <cstdint>

class TX3INST;
struct CommandLineOptions;

// What a language button does: the wizard speaks that language and shows the
// installation it found, or the page that says none was found.
void chooseLanguage(TX3INST& wizard, int32_t language);

// The wizard takes the folder the command line gives in place of the one the
// game's settings name, and a language chosen there as if its button had
// been pressed.
void startWizard(TX3INST& wizard, const CommandLineOptions& options);
