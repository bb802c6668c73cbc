#pragma once

#include <string>
#include <vector>

// What the headless platform offers tests in place of a real desktop.
namespace headless {

struct ShownMessage {
  std::string caption;
  std::string text;
};

// Every message box shown since the last reset, oldest first.
const std::vector<ShownMessage>& messageLog();
void resetMessageLog();

// Whether the program was started from a console (true until set), and what
// it wrote there since the last reset.
void setParentConsole(bool present);
const std::string& consoleOutput();
void resetConsoleOutput();

// Whether standard output leads to a file or a pipe (false until set), and
// what was written to it since the last reset.
void setOutputRedirected(bool redirected);
const std::string& redirectedOutput();
void resetRedirectedOutput();

}  // namespace headless
