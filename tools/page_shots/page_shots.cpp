// Writes a picture of every wizard page in every offered language, drawn by
// the headless build exactly as the installer draws it.
//
//   page_shots <font folder> <output folder> [--english]

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/language_tables.h"
#include "app/tx3inst.h"
#include "app/wizard_page.h"
#include "page_shots/page_scene.h"
#include "png/frame_png.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: page_shots <font folder> <output folder> [--english]\n");
    return 2;
  }
  const bool englishOnly = argc > 3 && std::strcmp(argv[3], "--english") == 0;
  const fs::path output = fs::absolute(argv[2]);
  std::error_code error;
  fs::create_directories(output, error);
  // The wizard finds its fonts in the current folder.
  fs::current_path(argv[1], error);
  if (error) {
    std::fprintf(stderr, "page_shots: no folder %s\n", argv[1]);
    return 1;
  }
  TX3INST wizard;
  if (wizard.quit) return 1;
  int written = 0;
  for (int32_t language = 0; language < kLanguageCount; ++language) {
    if (!languageAvailable[static_cast<size_t>(language)]) continue;
    if (englishOnly && language != LANGUAGE_ENGLISH) continue;
    for (int16_t page = 0; page < kPageCount; ++page) {
      drawPageShot(wizard, page, language);
      const fs::path file = output / pageShotName(page, language);
      if (!png::writeFrame(wizard.frame(), file.string())) {
        std::fprintf(stderr, "page_shots: cannot write %s\n", file.string().c_str());
        return 1;
      }
      ++written;
    }
  }
  std::printf("page_shots: %d pictures in %s\n", written, output.string().c_str());
  return 0;
}
