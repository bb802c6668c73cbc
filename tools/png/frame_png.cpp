#include "png/frame_png.h"

#include "render/frame_buffer.h"

namespace png {

Image frameImage(const FrameBuffer& frame) {
  Image image;
  if (!isFrameReady(frame)) return image;
  image.width = frame.width;
  image.height = frame.height;
  image.rgb.reserve(static_cast<size_t>(image.width) * image.height * 3);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint16_t pixel = *framePixel(frame, x, y);
      image.rgb.push_back(static_cast<uint8_t>((pixel >> 10 & 0x1F) << 3));
      image.rgb.push_back(static_cast<uint8_t>((pixel >> 5 & 0x1F) << 3));
      image.rgb.push_back(static_cast<uint8_t>((pixel & 0x1F) << 3));
    }
  }
  return image;
}

bool writeFrame(const FrameBuffer& frame, const std::string& path) {
  return writeFile(path, frameImage(frame));
}

}  // namespace png
