#pragma once

// Tells how the installer is started: into the file or pipe its output is
// redirected to, on the console it was started from, or else in a message
// box, but never in a box when the run is silent.
void showUsage(bool silent);
