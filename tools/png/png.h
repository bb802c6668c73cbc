#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Small PNG files of 8-bit RGB pictures, to look at frames and to keep
// reference pictures for tests. Not part of the installer.
namespace png {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width x height x 3 bytes, top row first
};

std::vector<uint8_t> encode(const Image& image);

// Reads 8-bit RGB pictures without interlacing, as encode writes them; false
// for other kinds and for damaged files.
bool decode(const std::vector<uint8_t>& bytes, Image& image);

bool writeFile(const std::string& path, const Image& image);
bool readFile(const std::string& path, Image& image);

}  // namespace png
