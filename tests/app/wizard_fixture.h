#pragma once

#include <filesystem>

#include "render/test_screen.h"

// The installer's fonts and the recorded pictures of its pages, in the sources.
std::filesystem::path fontFolder();
std::filesystem::path goldenFolder();

// An open frame with the installer's fonts loaded, as the display leaves it.
class FontsLoaded {
 public:
  FontsLoaded();
  ~FontsLoaded();
  FontsLoaded(const FontsLoaded&) = delete;
  FontsLoaded& operator=(const FontsLoaded&) = delete;

 private:
  TestScreen screen_;
};
