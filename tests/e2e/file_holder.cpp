// Another program holding a file open without sharing it, as a virus
// scanner or the running game does:
//
//   file_holder PATH SECONDS [AFTER]
//
// Opens PATH with no sharing and prints "held"; once the file AFTER exists
// (at once without it) keeps it SECONDS more, then closes it and prints
// "released". Exit code 1 when PATH cannot be opened.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: file_holder PATH SECONDS [AFTER]\n");
    return 2;
  }
  const HANDLE file =
      CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::printf("cannot open %s: error %lu\n", argv[1], GetLastError());
    return 1;
  }
  std::printf("held\n");
  std::fflush(stdout);
  // A minute at most, so that a test gone wrong does not hang here.
  for (int waited = 0; argc > 3 && waited < 60000; waited += 5) {
    if (GetFileAttributesA(argv[3]) != INVALID_FILE_ATTRIBUTES) break;
    Sleep(5);
  }
  Sleep(static_cast<DWORD>(std::atoi(argv[2]) * 1000));
  CloseHandle(file);
  std::printf("released\n");
  return 0;
}
