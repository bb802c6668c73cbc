#include <cstdio>
#include <string>

#include "platform/console.h"
#include "platform/headless/headless.h"

namespace {
bool hasParentConsole = true;
std::string written;
bool outputRedirected = false;
std::string redirected;
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

void setOutputRedirected(bool redirect) {
  outputRedirected = redirect;
}
const std::string& redirectedOutput() {
  return redirected;
}
void resetRedirectedOutput() {
  redirected.clear();
}

}  // namespace headless

namespace platform {

// The native build is started from a shell: both lead to standard output.
bool writeToRedirectedOutput(const char* text) {
  if (!outputRedirected) return false;
  redirected += text;
  std::fputs(text, stdout);
  return true;
}

bool writeToParentConsole(const char* text) {
  if (!hasParentConsole) return false;
  written += text;
  std::fputs(text, stdout);
  return true;
}

}  // namespace platform
