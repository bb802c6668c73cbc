#pragma once

#include <cstdint>

struct FrameBuffer;

// Drawing into the frame. Every operation checks first that the frame is open
// (else kStatusFrameNotOpen, with no other effect) and clamps what it draws
// into the frame, widening the dirty rectangle.

// Line styles of drawLine.
inline constexpr int kLineSolid = 1;
inline constexpr int kLineDashed = 2;  // bit 0 clear: 4 pixels drawn, 2 skipped

// Flags of drawRect and drawCircle.
inline constexpr int kRectDashed = 1;
inline constexpr int kShapeSolidOutline = 2;
inline constexpr int kShapeFilled = 4;

// A line between two points, both included.
int drawLine(FrameBuffer& frame, int16_t xa, int16_t ya, int16_t xb, int16_t yb, int style,
             uint16_t colour);

// Bit 0 of the flags: dashed outline; else bit 1: solid outline; else a fill
// that leaves out the right column and the bottom row.
int drawRect(FrameBuffer& frame, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int flags,
             uint16_t colour);

// A circle inscribed in the square box. Bit 2: filled disc; else bit 1: solid
// outline; else dashed. kStatusCircleNotSquare when the box is not square.
int drawCircle(FrameBuffer& frame, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int flags,
               uint16_t colour);

// Writes the colour where the w x h mask (row by row) is not zero.
int fillMask(FrameBuffer& frame, int16_t x, int16_t y, int16_t w, int16_t h, uint16_t colour,
             const uint8_t* mask);

// The pixel word at the point clamped into the frame; 0 while it is closed.
uint16_t readPixel(FrameBuffer& frame, int16_t x, int16_t y);

// Brightness scaled by percent (above 100 brightens, capped per channel),
// in 5-5-5 or, with is565, in 5-6-5. Needs no frame.
uint16_t scaleColour(uint16_t colour, int16_t percent, bool is565);
