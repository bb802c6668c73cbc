#pragma once

namespace platform {

// Writes the text to standard output when that leads to a file or a pipe
// (tx3inst /? > usage.txt); false when it does not.
bool writeToRedirectedOutput(const char* text);

// Writes the text on the console of the program that started this one; false
// when it was not started from a console.
bool writeToParentConsole(const char* text);

}  // namespace platform
