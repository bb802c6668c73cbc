// Extracts one entry of update.dat in the current folder, for timing:
//   extract_entry <index> <target>
#include <cstdio>
#include <cstdlib>

#include "archive/extract.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: extract_entry <index> <target>\n");
    return 2;
  }
  bool archiveFault = false;
  if (extractArchiveEntry(std::atoi(argv[1]), argv[2], archiveFault)) return 0;
  std::fprintf(stderr, "extraction failed: %s\n", archiveFault ? "archive" : "target");
  return 1;
}
