#include "png/frame_png.h"

#include "render/frame_buffer.h"

namespace png {

Image frameImage() {
  Image image;
  if (!isFrameReady()) return image;
  image.width = frameWidth();
  image.height = frameHeight();
  image.rgb.reserve(static_cast<size_t>(image.width) * image.height * 3);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint16_t pixel = *framePixel(x, y);
      image.rgb.push_back(static_cast<uint8_t>((pixel >> 10 & 0x1F) << 3));
      image.rgb.push_back(static_cast<uint8_t>((pixel >> 5 & 0x1F) << 3));
      image.rgb.push_back(static_cast<uint8_t>((pixel & 0x1F) << 3));
    }
  }
  return image;
}

bool writeFrame(const std::string& path) {
  return writeFile(path, frameImage());
}

}  // namespace png
