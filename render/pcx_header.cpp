#include "render/pcx_header.h"

#include "archive/file_stream.h"

bool readPcxHeader(FILE_STREAM& stream, PcxHeader& h) {
  return stream.readByte(h.manufacturer) && stream.readByte(h.version) &&
         stream.readByte(h.encoding) && stream.readByte(h.bitsPerPixel) &&
         stream.readInt16(h.xMin) && stream.readInt16(h.yMin) && stream.readInt16(h.xMax) &&
         stream.readInt16(h.yMax) && stream.readInt16(h.horizontalResolution) &&
         stream.readInt16(h.verticalResolution) && stream.readBlock(h.palette, sizeof h.palette) &&
         stream.readByte(h.reserved) && stream.readByte(h.planes) &&
         stream.readInt16(h.bytesPerLine) && stream.readInt16(h.paletteInfo) &&
         stream.readInt16(h.horizontalScreenSize) && stream.readInt16(h.verticalScreenSize) &&
         stream.readBlock(h.filler, sizeof h.filler);
}

bool writePcxHeader(FILE_STREAM& stream, PcxHeader& h) {
  return stream.writeByte(h.manufacturer) && stream.writeByte(h.version) &&
         stream.writeByte(h.encoding) && stream.writeByte(h.bitsPerPixel) &&
         stream.writeInt16(h.xMin) && stream.writeInt16(h.yMin) && stream.writeInt16(h.xMax) &&
         stream.writeInt16(h.yMax) && stream.writeInt16(h.horizontalResolution) &&
         stream.writeInt16(h.verticalResolution) &&
         stream.writeBlock(h.palette, sizeof h.palette) && stream.writeByte(h.reserved) &&
         stream.writeByte(h.planes) && stream.writeInt16(h.bytesPerLine) &&
         stream.writeInt16(h.paletteInfo) && stream.writeInt16(h.horizontalScreenSize) &&
         stream.writeInt16(h.verticalScreenSize) && stream.writeBlock(h.filler, sizeof h.filler);
}

bool isTrueColourPcx(const PcxHeader& h) {
  return h.manufacturer == 10 && h.version == 5 && h.encoding == 1 && h.bitsPerPixel == 8 &&
         h.planes == 3;
}
