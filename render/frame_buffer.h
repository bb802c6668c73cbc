#pragma once

#include <cstdint>

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

// The single off-screen frame: 5-5-5 pixels (blue bits 0-4, green 5-9,
// red 10-14, bit 15 carries no colour), top row first, rows `pitch` bytes
// apart. Its width and height are the ones recorded in the QVIO object.
struct FrameBuffer {
  uint16_t* pixels = nullptr;
  int32_t pitch = 0;
  uint8_t opening = 0;  // set while the display is being opened
  DirtyRect dirty;
};

extern FrameBuffer frame;

// Bytes per row for a frame of that width: two per pixel, rounded up to a
// multiple of four as the platform's 16-bit bitmaps expect.
int32_t framePitchFor(int16_t width);

// The frame's size from the registered screen; 0 without one.
int16_t frameWidth();
int16_t frameHeight();

// Drawing is allowed only on an open frame.
bool isFrameReady();

// The pixel at (x, y); the caller has clamped the point into the frame.
inline uint16_t* framePixel(int x, int y) {
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
void clampRect(int16_t& x0, int16_t& y0, int16_t& x1, int16_t& y1);
