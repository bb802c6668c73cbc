#pragma once

#include <filesystem>

#include "render/font.h"

// The installer's fonts and the folder they ship from, in the sources.
std::filesystem::path shippedFontFolder();

// A table holding every font the installer ships.
struct ShippedFonts : FontTable {
  ShippedFonts();
};
