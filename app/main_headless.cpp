#include <string>

#include "app/program.h"

// Without a desktop the program runs as a command-line tool: the arguments
// are joined into the one command-line text the program reads.
int main(int argc, char** argv) {
  std::string commandLine;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) commandLine += ' ';
    commandLine += argv[i];
  }
  return runProgram(nullptr, nullptr, commandLine.c_str());
}
