#pragma once

#include <cstdint>

class DRIVE_PATH;
struct FrameBuffer;

// A rectangular picture of 16-bit pixels, row by row from the top. It can be
// grabbed from and put into the frame, and read from and written to the
// picture files. Every loader leaves it in the frame's 5-5-5 layout.
class IMAGE {
 public:
  IMAGE() = default;
  ~IMAGE();
  IMAGE(const IMAGE&) = delete;
  IMAGE& operator=(const IMAGE&) = delete;

  // Copies the frame's rectangle of w x h pixels at (x, y), clamped into the
  // frame, into the picture, which takes the clamped size.
  int grab(FrameBuffer& frame, int16_t x, int16_t y, int16_t w, int16_t h);
  // Copies the picture into the frame at (x, y); what lies outside the frame
  // is clipped off. Drawing is clamped, not culled: a picture wholly outside
  // leaves its pixel nearest to the frame on the frame's edge.
  int put(FrameBuffer& frame, int16_t x, int16_t y) const;
  // The pixel as a 5-5-5 word; 0 without pixels or outside the picture.
  uint16_t pixelAt(int16_t x, int16_t y) const;

  int saveRaw(const DRIVE_PATH& directory, const char* name) const;
  int loadRaw(const DRIVE_PATH& directory, const char* name);
  int loadSurfaceDump(const DRIVE_PATH& directory, const char* name);
  int loadPcx(const DRIVE_PATH& directory, const char* name);
  int savePcx(const DRIVE_PATH& directory, const char* name) const;

  int16_t width = 0;
  int16_t height = 0;
  uint16_t* pixels = nullptr;  // width x height words, owned
  uint8_t is565 = 0;           // the words are 5-6-5 when set

  // Makes room for w x h pixels, reusing pixels of the same size. 0, or the
  // status for a failed allocation; the size itself is left to the caller.
  int reallocate(int16_t w, int16_t h);
  // Turns 5-6-5 pixels into 5-5-5 and clears the flag.
  void convertTo555();
};

// A 5-6-5 word in the 5-5-5 layout: green loses its lowest bit.
inline uint16_t convert565To555(uint16_t word) {
  return static_cast<uint16_t>((word & 0x001F) | ((word >> 1) & 0x7FE0));
}
