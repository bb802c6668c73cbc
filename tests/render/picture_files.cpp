#include "picture_files.h"

#include <gtest/gtest.h>

#include <tuple>

#include "render/status.h"

void fillPicture(IMAGE& picture, int16_t w, int16_t h, uint16_t first, uint8_t is565) {
  ASSERT_EQ(picture.reallocate(w, h), 0);
  picture.width = w;
  picture.height = h;
  picture.is565 = is565;
  for (int i = 0; i < w * h; ++i) picture.pixels[i] = static_cast<uint16_t>(first + i);
}

std::vector<int> shapeOf(const IMAGE& picture) {
  return {picture.width, picture.height, picture.is565};
}

std::vector<uint16_t> pixelsOf(const IMAGE& picture) {
  return {picture.pixels, picture.pixels + picture.width * picture.height};
}

uint16_t from8Bit(int red, int green, int blue) {
  return static_cast<uint16_t>((red >> 3) << 10 | (green >> 3) << 5 | blue >> 3);
}

void expectRefused(PictureLoader load, int status, const NamedFiles& files) {
  PictureFolder folder;
  IMAGE picture;
  fillPicture(picture, 2, 2, 7);
  // Its size, pixel array and content.
  const auto state = [&] {
    return std::make_tuple(shapeOf(picture), picture.pixels, pixelsOf(picture));
  };
  const auto before = state();
  for (const auto& [name, bytes] : files) {
    folder.write(name, bytes);
    EXPECT_EQ((picture.*load)(folder.directory(), name.c_str()), status) << name;
    EXPECT_EQ(state(), before) << name;
  }
  EXPECT_EQ((picture.*load)(folder.directory(), "missing"), kStatusFileNotOpened);
}
