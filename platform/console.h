#pragma once

namespace platform {

// Writes the text on the console of the program that started this one; false
// when it was not started from a console.
bool writeToParentConsole(const char* text);

}  // namespace platform
