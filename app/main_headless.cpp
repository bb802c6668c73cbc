#include <cstring>
#include <string>

#include "app/program.h"

// Without a desktop the program runs as a command-line tool: the arguments
// are joined into the one command-line text the program reads, one with a
// space in double quotes so that it stays whole.
int main(int argc, char** argv) {
  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    const bool spaced = std::strpbrk(argv[i], " \t") != nullptr;
    if (spaced) commandLine += '"';
    commandLine += argv[i];
    if (spaced) commandLine += '"';
  }
  return runProgram(nullptr, nullptr, commandLine.c_str());
}
