// Draws wizard pages with the headless build exactly as the installer draws
// them: a picture of every page in every offered language, or one page for
// comparing with what the real window shows.
//
//   page_shots FONTS OUTPUT_FOLDER [--english]
//   page_shots FONTS --page PAGE LANGUAGE INSTALLED_VERSION INSTALL_DIR OUT.rgb [TABS]
//
// The second form moves the keyboard focus TABS times from none, as Tab does
// (a page entered after the first Tab starts as after one), writes the frame
// to OUT.rgb as rows of red, green, blue bytes and prints one line per
// control, "slot kind x y width height", then "box x y width" for the
// progress bar or the entry box.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/language_tables.h"
#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"
#include "page_shots/page_scene.h"
#include "png/frame_png.h"

namespace fs = std::filesystem;

namespace {

int writeEveryPage(TX3INST& wizard, const fs::path& output, bool englishOnly) {
  std::error_code error;
  fs::create_directories(output, error);
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

// args: PAGE LANGUAGE INSTALLED_VERSION INSTALL_DIR, then the number of Tabs.
int writeOnePage(TX3INST& wizard, char** args, int tabs, const fs::path& file) {
  std::snprintf(wizard.installDir, sizeof wizard.installDir, "%s", args[3]);
  drawPageShot(wizard, static_cast<int16_t>(std::atoi(args[0])), std::atoi(args[1]), args[2]);
  for (int tab = 0; tab < tabs; ++tab) wizard.focus.move(wizard.controls, true);
  if (tabs > 0) wizard.Redraw();
  for (int slot = 0; slot < kControlSlots; ++slot) {
    const WizardControl* control = wizard.controls[slot];
    if (control == nullptr) continue;
    std::printf("%d %d %d %d %d %d\n", slot, static_cast<int>(control->kind), control->x,
                control->y, control->width, control->height);
  }
  std::printf("box %d %d %d\n", wizard.boxX, wizard.boxY, wizard.boxW);
  const png::Image image = png::frameImage(wizard.frame());
  std::FILE* out = std::fopen(file.string().c_str(), "wb");
  if (out == nullptr) return 1;
  const bool written = std::fwrite(image.rgb.data(), 1, image.rgb.size(), out) == image.rgb.size();
  return std::fclose(out) == 0 && written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool onePage = argc > 2 && std::strcmp(argv[2], "--page") == 0;
  if (argc < 3 || (onePage && argc != 8 && argc != 9)) {
    std::fprintf(stderr,
                 "usage: page_shots FONTS OUTPUT_FOLDER [--english]\n"
                 "       page_shots FONTS --page PAGE LANGUAGE VERSION FOLDER OUT.rgb [TABS]\n");
    return 2;
  }
  // Named from where the tool was started; the wizard then finds its fonts in
  // the current folder.
  const fs::path output = fs::absolute(onePage ? argv[7] : argv[2]);
  std::error_code error;
  fs::current_path(argv[1], error);
  if (error) {
    std::fprintf(stderr, "page_shots: no folder %s\n", argv[1]);
    return 1;
  }
  TX3INST wizard;
  if (wizard.quit) return 1;
  if (onePage) return writeOnePage(wizard, argv + 3, argc == 9 ? std::atoi(argv[8]) : 0, output);
  return writeEveryPage(wizard, output, argc > 3 && std::strcmp(argv[3], "--english") == 0);
}
