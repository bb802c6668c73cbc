#pragma once

// Tells how the installer is started: on the console it was started from, or
// else in a message box, but never in a box when the run is silent.
void showUsage(bool silent);
