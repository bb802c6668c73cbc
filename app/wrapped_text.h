#pragma once

#include <cstdint>
#include <span>

struct FrameBuffer;
struct WizardControl;

inline constexpr int16_t kWrappedLineSpacing = 17;

// Breaks `text` into lines narrower than `width`, as the frame's control font
// measures them, at its spaces and puts one
// label per line into the slots from `slot` on, 17 pixels apart from `y` down.
// `slot` and `y` end up after the last line. A word wider than a line is
// broken inside; lines beyond the last slot are dropped.
void addWrappedText(const FrameBuffer& frame, std::span<WizardControl*> slots, int16_t& slot,
                    int16_t x, int16_t& y, int16_t width, const char* text);
