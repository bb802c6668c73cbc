#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/drive_path.h"
#include "render/image.h"
#include "support/temp_folder.h"

// File contents built value by value, little-endian.
class Bytes {
 public:
  Bytes& u8(int value) {
    data_ += static_cast<char>(value);
    return *this;
  }
  Bytes& u16(int value) { return u8(value & 0xFF).u8((value >> 8) & 0xFF); }
  Bytes& u32(uint32_t value) { return u16(static_cast<int>(value & 0xFFFF)).u16(value >> 16); }
  Bytes& fill(int count, int value) {
    data_.append(static_cast<size_t>(count), static_cast<char>(value));
    return *this;
  }
  const std::string& str() const { return data_; }

 private:
  std::string data_;
};

// A fresh current folder named by a DRIVE_PATH, for the picture files.
class PictureFolder {
 public:
  std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }
  void write(const std::string& name, const Bytes& bytes) const {
    writeFile(folder_ / name, bytes.str());
  }
  std::string read(const std::string& name) const { return readFile(folder_ / name); }
  const DRIVE_PATH& directory() const { return directory_; }

 private:
  TempFolder folder_;
  CurrentFolder inFolder_{folder_.path()};
  DRIVE_PATH directory_;  // made after entering the folder: it names it
};

// A picture whose pixel (x, y) is `first` + y * w + x.
void fillPicture(IMAGE& picture, int16_t w, int16_t h, uint16_t first, uint8_t is565 = 0);

// A picture's size, pixel array and content, to tell that a load left it alone.
std::vector<uintptr_t> pictureState(const IMAGE& picture);
