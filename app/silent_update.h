#pragma once

struct CommandLineOptions;

// The update without window or question, as if the user had chosen the
// language, pressed Next and answered the quick-start question: the same
// steps as the wizard's, in the same order. Returns the exit code.
int runSilentUpdate(const CommandLineOptions& options);
