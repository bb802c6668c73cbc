#pragma once

#include <cstdint>

class FILE_STREAM;

// The 128-byte header of a PCX file, field by field, little-endian.
struct PcxHeader {
  uint8_t manufacturer = 10;
  uint8_t version = 5;
  uint8_t encoding = 1;  // run-length coded
  uint8_t bitsPerPixel = 8;
  int16_t xMin = 0;
  int16_t yMin = 0;
  int16_t xMax = 0;
  int16_t yMax = 0;
  int16_t horizontalResolution = 0;
  int16_t verticalResolution = 0;
  uint8_t palette[48] = {};
  uint8_t reserved = 0;
  uint8_t planes = 3;
  int16_t bytesPerLine = 0;
  int16_t paletteInfo = 1;
  int16_t horizontalScreenSize = 0;
  int16_t verticalScreenSize = 0;
  uint8_t filler[54] = {};
};

bool readPcxHeader(FILE_STREAM& stream, PcxHeader& header);
bool writePcxHeader(FILE_STREAM& stream, PcxHeader& header);

// The only kind of PCX the pictures use: 24-bit colour as three planes of
// 8 bits, run-length coded.
bool isTrueColourPcx(const PcxHeader& header);
