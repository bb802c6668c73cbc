#include "picture_files.h"

#include <gtest/gtest.h>

void fillPicture(IMAGE& picture, int16_t w, int16_t h, uint16_t first, uint8_t is565) {
  ASSERT_EQ(picture.reallocate(w, h), 0);
  picture.width = w;
  picture.height = h;
  picture.is565 = is565;
  for (int i = 0; i < w * h; ++i) picture.pixels[i] = static_cast<uint16_t>(first + i);
}

std::vector<uintptr_t> pictureState(const IMAGE& picture) {
  std::vector<uintptr_t> state{static_cast<uintptr_t>(picture.width),
                               static_cast<uintptr_t>(picture.height), picture.is565,
                               reinterpret_cast<uintptr_t>(picture.pixels)};
  if (picture.pixels != nullptr)
    state.insert(state.end(), picture.pixels, picture.pixels + picture.width * picture.height);
  return state;
}
