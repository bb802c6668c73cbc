#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "archive/drive_path.h"
#include "render/image.h"
#include "support/temp_folder.h"

// File contents built value by value, little-endian.
class Bytes {
 public:
  Bytes& u8s(std::initializer_list<int> values) {
    for (int value : values) data_ += static_cast<char>(value);
    return *this;
  }
  Bytes& u8(int value) { return u8s({value}); }
  Bytes& u16(int value) { return u8s({value & 0xFF, (value >> 8) & 0xFF}); }
  Bytes& u16s(std::initializer_list<int> values) {
    for (int value : values) u16(value);
    return *this;
  }
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

// Width, height and 5-6-5 flag; and the pixels, row by row.
std::vector<int> shapeOf(const IMAGE& picture);
std::vector<uint16_t> pixelsOf(const IMAGE& picture);

// The 5-5-5 word of 8-bit red, green and blue.
uint16_t from8Bit(int red, int green, int blue);

using PictureLoader = int (IMAGE::*)(const DRIVE_PATH&, const char*);
using NamedFiles = std::vector<std::pair<std::string, Bytes>>;

// Writes each file and loads it over a picture that already holds one: every
// load must give `status` and leave that picture as it was. A missing file is
// not opened.
void expectRefused(PictureLoader load, int status, const NamedFiles& files);
