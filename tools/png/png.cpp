#include "png/png.h"

#define STBI_ONLY_PNG
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace png {

bool writeFile(const std::string& path, const Image& image) {
  return stbi_write_png(path.c_str(), image.width, image.height, 3, image.rgb.data(),
                        image.width * 3) != 0;
}

bool readFile(const std::string& path, Image& image) {
  int channels = 0;
  stbi_uc* pixels = stbi_load(path.c_str(), &image.width, &image.height, &channels, 3);
  if (pixels == nullptr) return false;
  image.rgb.assign(pixels, pixels + static_cast<size_t>(image.width) * image.height * 3);
  stbi_image_free(pixels);
  return true;
}

}  // namespace png
