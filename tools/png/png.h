#pragma once

#include <cstdint>
#include <string>
#include <vector>

// PNG files of 8-bit RGB pictures, to look at frames and to keep reference
// pictures for tests. Not part of the installer.
namespace png {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width x height x 3 bytes, top row first
};

bool writeFile(const std::string& path, const Image& image);
// False for a missing or damaged file.
bool readFile(const std::string& path, Image& image);

}  // namespace png
