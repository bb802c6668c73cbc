#include "render/coverage_blend.h"

namespace {

constexpr int kKeptColours = 4;

// One channel's blend, from and back to its 5-bit field.
uint16_t mix(int coverage, int textField, int level) {
  const int text = (textField & 0x1F) << 3;
  const int pixel = level << 3;
  return static_cast<uint16_t>(
      (coverage * text + (CoverageBlend::kFull - coverage) * pixel) / CoverageBlend::kFull >> 3);
}

}  // namespace

const CoverageBlend& CoverageBlend::of(uint16_t colour) {
  // The wizard writes in three colours; drawing alternates between them.
  static CoverageBlend kept[kKeptColours];
  static int next = 0;
  for (const CoverageBlend& table : kept) {
    if (table.ready_ && table.colour_ == colour) return table;
  }
  CoverageBlend& table = kept[next];
  next = (next + 1) % kKeptColours;
  table.prepare(colour);
  return table;
}

void CoverageBlend::prepare(uint16_t colour) {
  colour_ = colour;
  ready_ = true;
  for (int coverage = 0; coverage < kLevels; ++coverage) {
    for (int level = 0; level < 32; ++level) {
      red_[coverage][level] = static_cast<uint16_t>(mix(coverage, colour >> 10, level) << 10);
      green_[coverage][level] = static_cast<uint16_t>(mix(coverage, colour >> 5, level) << 5);
      blue_[coverage][level] = mix(coverage, colour, level);
    }
    keptTopBit_[coverage] = coverage == 0 ? 0x8000 : 0;
    setTopBit_[coverage] = coverage == kFull ? (colour & 0x8000) : 0;
  }
}
