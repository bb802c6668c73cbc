#include <cstdio>
#include <string>

#include "platform/console.h"
#include "platform/headless/headless.h"

namespace {
bool hasParentConsole = true;
std::string written;
}  // namespace

namespace headless {

void setParentConsole(bool present) {
  hasParentConsole = present;
}
const std::string& consoleOutput() {
  return written;
}
void resetConsoleOutput() {
  written.clear();
}

}  // namespace headless

namespace platform {

// The native build is started from a shell: its console is standard output.
bool writeToParentConsole(const char* text) {
  if (!hasParentConsole) return false;
  written += text;
  std::fputs(text, stdout);
  return true;
}

}  // namespace platform
