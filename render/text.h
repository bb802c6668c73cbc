#pragma once

#include <cstdint>

struct FrameBuffer;

// Measuring and drawing text in the frame's fonts. Texts are zero-terminated
// Windows-1252 bytes; codes below 32 take no room and draw nothing. Like
// drawing, measuring needs an open frame: without one the measures return
// kStatusFrameNotOpen (3).

// The height of every glyph of the font; 0 when it is not loaded.
int32_t fontHeight(const FrameBuffer& frame, int font);

// The gap in pixels between characters position - 1 and position: three
// quarters of the space's width less the bearings of the two, never below 0;
// 0 at the end of the text, for a null text or a font not loaded.
int32_t glyphGap(const FrameBuffer& frame, int font, const char* text, int position);

// The text's width in pixels; 0 for a null text or a font not loaded.
int32_t textWidth(const FrameBuffer& frame, int font, const char* text);

// Draws the text with its first glyph's top-left at (x, y), anti-aliased
// over what the frame holds. kStatusFrameNotOpen, then kStatusNoText for a
// null text, then kStatusFontNotLoaded, else kStatusOk.
int drawText(FrameBuffer& frame, int16_t x, int16_t y, int font, uint16_t colour, const char* text);
