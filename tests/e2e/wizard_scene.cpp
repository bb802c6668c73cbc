// Draws one wizard page the way the headless build draws it, for comparing
// with what the real window shows, and tells where the page's controls are.
//
//   wizard_scene PAGE LANGUAGE INSTALLED_VERSION INSTALL_DIR OUT.rgb [TABS]
//
// TABS moves the keyboard focus that many times from none, as Tab does (a
// page entered after the first Tab starts as after one). Run in a folder with the installer's
// fonts. OUT.rgb receives the frame as rows of 5-bit red, green, blue bytes; standard output one
// line per control: "slot kind x y width height", then "box x y width" for the progress bar or the
// entry box.
#include <cstdio>
#include <cstdlib>

#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "render/frame_buffer.h"

namespace {

bool writeFrame(const TX3INST& wizard, const char* path) {
  std::FILE* out = std::fopen(path, "wb");
  if (out == nullptr) return false;
  for (int y = 0; y < wizard.height(); ++y) {
    for (int x = 0; x < wizard.width(); ++x) {
      const uint16_t pixel = *framePixel(wizard.frame(), x, y);
      const unsigned char rgb[3] = {static_cast<unsigned char>((pixel >> 10) & 31),
                                    static_cast<unsigned char>((pixel >> 5) & 31),
                                    static_cast<unsigned char>(pixel & 31)};
      std::fwrite(rgb, 1, 3, out);
    }
  }
  return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(stderr, "usage: wizard_scene PAGE LANGUAGE VERSION FOLDER OUT.rgb [TABS]\n");
    return 2;
  }
  TX3INST wizard;
  if (wizard.quit) return 1;
  std::snprintf(wizard.installedVersion, kTextRoom, "%s", argv[3]);
  std::snprintf(wizard.installDir, kTextRoom, "%s", argv[4]);
  wizard.language = std::atoi(argv[2]);
  wizard.page = static_cast<int16_t>(std::atoi(argv[1]));
  wizard.Redraw();
  const int tabs = argc == 7 ? std::atoi(argv[6]) : 0;
  for (int tab = 0; tab < tabs; ++tab) wizard.focus.move(wizard.controls, true);
  if (tabs > 0) wizard.Redraw();
  for (int slot = 0; slot < kControlSlots; ++slot) {
    const WizardControl* control = wizard.controls[slot];
    if (control == nullptr) continue;
    std::printf("%d %d %d %d %d %d\n", slot, static_cast<int>(control->kind), control->x,
                control->y, control->width, control->height);
  }
  std::printf("box %d %d %d\n", wizard.boxX, wizard.boxY, wizard.boxW);
  return writeFrame(wizard, argv[5]) ? 0 : 1;
}
