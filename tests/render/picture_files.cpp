#include "picture_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

void fillPicture(IMAGE& picture, int16_t w, int16_t h, uint16_t first, uint8_t is565) {
  ASSERT_EQ(picture.reallocate(w, h), 0);
  picture.width = w;
  picture.height = h;
  picture.is565 = is565;
  for (int i = 0; i < w * h; ++i) picture.pixels[i] = static_cast<uint16_t>(first + i);
}

PictureSnapshot::PictureSnapshot(const IMAGE& picture)
    : width(picture.width),
      height(picture.height),
      pixels(picture.pixels),
      is565(picture.is565),
      content(picture.pixels,
              picture.pixels + static_cast<size_t>(picture.width) * picture.height) {}

bool PictureSnapshot::unchanged(const IMAGE& picture) const {
  return picture.width == width && picture.height == height && picture.pixels == pixels &&
         picture.is565 == is565 && std::equal(content.begin(), content.end(), picture.pixels);
}

bool imageToolAvailable() {
#ifdef _WIN32
  return false;
#else
  return std::system("convert -version >/dev/null 2>&1") == 0;
#endif
}

bool convertWithImageTool(const std::string& arguments) {
  return std::system(("convert " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}
