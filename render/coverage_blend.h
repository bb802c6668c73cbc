#pragma once

#include <cstdint>

// Blending a text colour into 5-5-5 pixels by 4-bit coverage: each channel
// becomes (coverage x text + (15 - coverage) x pixel) / 15 on 8-bit channels.
// Coverage 0 leaves the pixel as it is, 15 writes the colour word exactly as
// given (its top bit included), and partial coverage clears the top bit.
//
// The results are worked out once per colour for every coverage and every
// level of each channel, so a pixel costs three look-ups and no branch.
class CoverageBlend {
 public:
  static constexpr int kLevels = 16;
  static constexpr int kFull = kLevels - 1;

  // The table of a text colour; the last few colours' tables are kept.
  static const CoverageBlend& of(uint16_t colour);

  uint16_t blend(uint16_t pixel, int coverage) const {
    return static_cast<uint16_t>(
        red_[coverage][(pixel >> 10) & 0x1F] | green_[coverage][(pixel >> 5) & 0x1F] |
        blue_[coverage][pixel & 0x1F] | (pixel & keptTopBit_[coverage]) | setTopBit_[coverage]);
  }

 private:
  void prepare(uint16_t colour);

  uint16_t colour_ = 0;
  bool ready_ = false;
  uint16_t red_[kLevels][32];
  uint16_t green_[kLevels][32];
  uint16_t blue_[kLevels][32];
  uint16_t keptTopBit_[kLevels];
  uint16_t setTopBit_[kLevels];
};
