#pragma once

// Every message box of the program: modal, no owner window, OK only, no icon,
// neutral language. The result is of no interest to any caller.
void showMessage(const char* caption, const char* text);

namespace platform {

// Ends the process at once with the given exit code; nothing is destroyed.
[[noreturn]] void endProcess(int exitCode);

}  // namespace platform
