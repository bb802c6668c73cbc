#pragma once

#include <cstdint>

struct FontTable;

// The smallest rectangle holding everything drawn since the last
// presentation, bounds inclusive; every bound is -1 while nothing is dirty.
struct DirtyRect {
  int16_t left = -1;
  int16_t right = -1;
  int16_t top = -1;
  int16_t bottom = -1;

  bool isEmpty() const { return left == -1 || right == -1 || top == -1 || bottom == -1; }
  void clear() { *this = DirtyRect{}; }
};

// An off-screen frame: 5-5-5 pixels (blue bits 0-4, green 5-9, red 10-14,
// bit 15 carries no colour), top row first, rows `pitch` bytes apart. It owns
// its pixel array and knows the fonts that text is drawn with.
struct FrameBuffer {
  FrameBuffer() = default;
  ~FrameBuffer() { release(); }
  FrameBuffer(const FrameBuffer&) = delete;
  FrameBuffer& operator=(const FrameBuffer&) = delete;

  // Replaces the pixel array by a zeroed one of width x height pixels and
  // records the size. False, with no array and the size unchanged, for a
  // size below 1 or a failed allocation.
  bool allocate(int16_t newWidth, int16_t newHeight);
  // Frees the pixel array; the size stays as it was.
  void release();

  uint16_t* pixels = nullptr;
  int16_t width = 0;
  int16_t height = 0;
  int32_t pitch = 0;
  uint8_t opening = 0;  // set while the display is being opened
  DirtyRect dirty;
  const FontTable* fonts = nullptr;  // null: no fonts, text is not drawn
};

// Bytes per row for a frame of that width: two per pixel, rounded up to a
// multiple of four as the platform's 16-bit bitmaps expect.
int32_t framePitchFor(int16_t width);

// Drawing is allowed only on an open frame.
bool isFrameReady(const FrameBuffer& frame);

// The pixel at (x, y); the caller has clamped the point into the frame.
inline uint16_t* framePixel(const FrameBuffer& frame, int x, int y) {
  return reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(frame.pixels) +
                                     static_cast<intptr_t>(y) * frame.pitch) +
         x;
}

// Coordinates computed in int (a far corner, a pen position) brought back
// into the 16-bit range without wrapping around.
inline int16_t saturate16(int value) {
  return static_cast<int16_t>(value < INT16_MIN   ? INT16_MIN
                              : value > INT16_MAX ? INT16_MAX
                                                  : value);
}

// Clamps the rectangle into the frame (never culls it: a rectangle wholly
// outside lands on the nearest edge), orders its corners and widens the
// dirty rectangle by it.
void clampRect(FrameBuffer& frame, int16_t& x0, int16_t& y0, int16_t& x1, int16_t& y1);
