#include "render/text.h"

#include <algorithm>

#include "render/coverage_blend.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/status.h"

namespace {

constexpr int kSpace = 32;

const Glyph& glyphOf(const BitmapFont& font, char character) {
  return font.glyphs[static_cast<unsigned char>(character)];
}

// Widths and bearings are bounded when a font is loaded, so gaps and widths
// fit into 32 bits.
int32_t gapBefore(const BitmapFont& font, const char* text, int position) {
  if (text[position] == 0) return 0;
  const int32_t gap = font.glyphs[kSpace].width * 3 / 4 -
                      glyphOf(font, text[position - 1]).rightBearing -
                      glyphOf(font, text[position]).leftBearing;
  return std::max(gap, 0);
}

// Draws glyphs of one colour into the frame by their coverage.
class GlyphPainter {
 public:
  explicit GlyphPainter(uint16_t colour) : blend_(CoverageBlend::of(colour)) {
    background_ = 0;
    for (int level = 0; level < CoverageBlend::kLevels; ++level) {
      overBackground_[level] = blend_.blend(background_, level);
    }
  }

  void drawGlyph(FrameBuffer& frame, const BitmapFont& font, const Glyph& glyph, int64_t px,
                 int y) {
    const int height = font.height;
    int16_t x0 = saturate16(static_cast<int>(std::clamp<int64_t>(px, INT16_MIN, INT16_MAX)));
    int16_t x1 = saturate16(
        static_cast<int>(std::clamp<int64_t>(px + glyph.width - 1, INT16_MIN, INT16_MAX)));
    int16_t y0 = saturate16(y), y1 = saturate16(y + height - 1);
    clampRect(frame, x0, y0, x1, y1);
    const int frameRight = frame.width - 1;  // the last column never receives text
    const int lastRow = frame.height - 1;
    if (px >= frameRight || y >= lastRow) return;
    // Parts of the glyph left of or above the frame are cut away.
    const int firstColumn = px < 0 ? static_cast<int>(std::min<int64_t>(-px, glyph.width)) : 0;
    const int endColumn = static_cast<int>(std::min<int64_t>(glyph.width, frameRight - px));
    if (firstColumn >= endColumn) return;
    const int rowEnd = std::min(glyph.inkEnd, lastRow - y + 1);
    for (int r = std::max(glyph.inkTop, -y); r < rowEnd; ++r) {
      const uint8_t* source = glyph.pixels + static_cast<size_t>(r) * glyph.bytesPerRow;
      paintRow(source, framePixel(frame, static_cast<int>(px + firstColumn), y + r), firstColumn,
               endColumn);
    }
  }

 private:
  // Columns first to end - 1 of one glyph row, `pixel` being the frame pixel
  // of column first; two pixels a byte, the left one in the high nibble.
  void paintRow(const uint8_t* source, uint16_t* pixel, int first, int end) {
    auto target = [&](int k) -> uint16_t& { return pixel[k - first]; };
    int k = first;
    if (k % 2 == 1) {
      target(k) = blend(target(k), source[k / 2] & 0x0F);
      ++k;
    }
    for (; k + 1 < end; k += 2) {
      const uint8_t pair = source[k / 2];
      if (pair == 0) continue;  // most of a glyph's cell is empty
      target(k) = blend(target(k), pair >> 4);
      target(k + 1) = blend(target(k + 1), pair & 0x0F);
    }
    if (k < end) target(k) = blend(target(k), source[k / 2] >> 4);
  }

  // Text mostly lies on a plain background: the blends over the last
  // background pixel are kept for every coverage.
  uint16_t blend(uint16_t pixel, int coverage) {
    if (pixel != background_) {
      background_ = pixel;
      for (int level = 0; level < CoverageBlend::kLevels; ++level) {
        overBackground_[level] = blend_.blend(pixel, level);
      }
    }
    return overBackground_[coverage];
  }

  const CoverageBlend& blend_;
  uint16_t background_;
  uint16_t overBackground_[CoverageBlend::kLevels];
};

}  // namespace

int32_t fontHeight(const FrameBuffer& frame, int font) {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  const BitmapFont* loaded = loadedFont(frame.fonts, font);
  return loaded != nullptr ? loaded->height : 0;
}

int32_t glyphGap(const FrameBuffer& frame, int font, const char* text, int position) {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  const BitmapFont* loaded = loadedFont(frame.fonts, font);
  // Position 0 has no character before it.
  if (loaded == nullptr || text == nullptr || position < 1) return 0;
  return gapBefore(*loaded, text, position);
}

int32_t textWidth(const FrameBuffer& frame, int font, const char* text) {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  const BitmapFont* loaded = loadedFont(frame.fonts, font);
  if (loaded == nullptr || text == nullptr) return 0;
  int64_t width = 0;
  for (int i = 0; text[i] != 0; ++i) {
    if (static_cast<unsigned char>(text[i]) < kSpace) continue;
    width += glyphOf(*loaded, text[i]).width + gapBefore(*loaded, text, i + 1);
  }
  return static_cast<int32_t>(std::min<int64_t>(width, INT32_MAX));
}

int drawText(FrameBuffer& frame, int16_t x, int16_t y, int font, uint16_t colour,
             const char* text) {
  if (!isFrameReady(frame)) return kStatusFrameNotOpen;
  if (text == nullptr) return kStatusNoText;
  const BitmapFont* loaded = loadedFont(frame.fonts, font);
  if (loaded == nullptr) return kStatusFontNotLoaded;
  GlyphPainter painter(colour);
  int64_t pen = x;
  for (int i = 0; text[i] != 0; ++i) {
    const auto code = static_cast<unsigned char>(text[i]);
    if (code < kSpace) continue;
    const Glyph& glyph = loaded->glyphs[code];
    if (code > kSpace && glyph.pixels != nullptr) painter.drawGlyph(frame, *loaded, glyph, pen, y);
    pen += glyph.width + gapBefore(*loaded, text, i + 1);
  }
  return kStatusOk;
}
