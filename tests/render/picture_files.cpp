#include "picture_files.h"

#include <gtest/gtest.h>

#include "render/status.h"

void fillPicture(IMAGE& picture, int16_t w, int16_t h, uint16_t first, uint8_t is565) {
  ASSERT_EQ(picture.reallocate(w, h), 0);
  picture.width = w;
  picture.height = h;
  picture.is565 = is565;
  for (int i = 0; i < w * h; ++i) picture.pixels[i] = static_cast<uint16_t>(first + i);
}

namespace {

// A picture's size, pixel array and content.
std::vector<uintptr_t> pictureState(const IMAGE& picture) {
  std::vector<uintptr_t> state{static_cast<uintptr_t>(picture.width),
                               static_cast<uintptr_t>(picture.height), picture.is565,
                               reinterpret_cast<uintptr_t>(picture.pixels)};
  if (picture.pixels != nullptr)
    state.insert(state.end(), picture.pixels, picture.pixels + picture.width * picture.height);
  return state;
}

}  // namespace

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
  const auto before = pictureState(picture);
  for (const auto& [name, bytes] : files) {
    folder.write(name, bytes);
    EXPECT_EQ((picture.*load)(folder.directory(), name.c_str()), status) << name;
    EXPECT_EQ(pictureState(picture), before) << name;
  }
  EXPECT_EQ((picture.*load)(folder.directory(), "missing"), kStatusFileNotOpened);
}
