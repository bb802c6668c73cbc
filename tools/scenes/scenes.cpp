#include "scenes/scenes.h"

#include <cstdint>

#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/primitives.h"
#include "render/text.h"

namespace {

constexpr uint16_t kWhite = 0x7FFF;
constexpr uint16_t kGrey = 0x6739;
constexpr uint16_t kDarkGrey = 0x2108;
constexpr uint16_t kYellow = 0xFFE0;

int16_t s16(int value) {
  return static_cast<int16_t>(value);
}

// A bevelled box of the wizard's look, its caption centred.
void drawBox(FrameBuffer& frame, int x, int y, int w, int h, const char* text, bool sunken) {
  drawRect(frame, s16(x), s16(y), s16(x + w), s16(y + h), kShapeFilled, kGrey);
  if (text[0] != 0) {
    const int shift = sunken ? 2 : 0;
    const int tx = x + (w - textWidth(frame, kFontControls, text)) / 2 + shift;
    const int ty = y + (h - fontHeight(frame, kFontControls)) / 2 + shift;
    drawText(frame, s16(tx), s16(ty), kFontControls, 0, text);
  }
  const uint16_t light = sunken ? kDarkGrey : kWhite;
  const uint16_t dark = sunken ? kWhite : kDarkGrey;
  for (int i = 0; i < 2; ++i) {
    drawLine(frame, s16(x + i), s16(y + i), s16(x + w - i), s16(y + i), kLineSolid, light);
    drawLine(frame, s16(x + i), s16(y + i), s16(x + i), s16(y + h - i), kLineSolid, light);
    drawLine(frame, s16(x + w - i), s16(y + i), s16(x + w - i), s16(y + h - i), kLineSolid, dark);
    drawLine(frame, s16(x + i), s16(y + h - i), s16(x + w - i), s16(y + h - i), kLineSolid, dark);
  }
}

}  // namespace

void drawGradient(FrameBuffer& frame) {
  const int height = frame.height;
  for (int j = 0; j < height; ++j) {
    const auto blue = static_cast<uint16_t>(23 - (23 * j) / height + 8);
    drawLine(frame, 0, s16(j), frame.width, s16(j), kLineSolid, blue);
  }
}

void drawWizardScene(FrameBuffer& frame) {
  drawGradient(frame);
  const int width = frame.width, height = frame.height;
  drawText(frame, 10, 0, kFontHeading, kYellow, "Tarvex League 3 Update");
  drawText(frame, 10, s16(fontHeight(frame, kFontHeading)), kFontBody, kYellow,
           "Version 3.03e (ENG,FRA,POR,ITA)");
  const int header = fontHeight(frame, kFontHeading) + fontHeight(frame, kFontBody);
  const int pw = width * 2 / 3, ph = 2 * (height - header) / 3;
  const int px = (width - pw) / 2, py = (height - ph) / 2;
  drawBox(frame, px, py, pw, ph, "", false);
  drawBox(frame, px + 10, py + 10, pw - 20, ph - 50, "", true);
  const char* lines[] = {
      "Your current version of Tarvex League 3 is:",
      "Version 3.02 (ENG)",
      "This update will install:",
      "Version 3.03e (ENG,FRA,POR,ITA)",
      "Pr\xEAt \xE0 installer: \xAB D\xE9marrer \xBB \x96 5 \x80, voil\xE0.",
  };
  for (int i = 0; i < 5; ++i) {
    drawText(frame, s16(px + 17), s16(py + 15 + 17 * i), kFontControls, i % 2 == 1 ? 31 : 0,
             lines[i]);
  }
  drawBox(frame, px + pw - 180, py + ph - 30, 80, 20, "< Back", false);
  drawBox(frame, px + pw - 90, py + ph - 30, 80, 20, "Next >", false);
  drawBox(frame, width - 100, height - 40, 80, 20, "Exit", true);
}

void drawPrimitivesScene(FrameBuffer& frame) {
  drawRect(frame, 0, 0, frame.width, frame.height, kShapeFilled, kDarkGrey);
  for (int i = 0; i < 12; ++i) {
    const int style = i % 2 == 0 ? kLineSolid : kLineDashed;
    const auto colour = static_cast<uint16_t>(kWhite - i * 0x0421);
    drawLine(frame, 100, 100, s16(100 + (i - 6) * 17), 10, style, colour);
    drawLine(frame, 100, 100, s16(190), s16(100 + (i - 6) * 15), style, colour);
  }
  drawLine(frame, -40, 170, 250, -20, kLineDashed, kYellow);
  drawLine(frame, -5, 190, 600, 190, kLineDashed, kWhite);
  drawRect(frame, 210, 10, 290, 60, kRectDashed, kWhite);
  drawRect(frame, 300, 10, 380, 60, kShapeSolidOutline, kYellow);
  drawRect(frame, 390, 10, 470, 60, kShapeFilled, 0x7C00);
  drawRect(frame, 530, 300, 600, 400, kShapeFilled, 0x03E0);
  drawCircle(frame, 210, 80, 270, 140, kShapeFilled, 0x03E0);
  drawCircle(frame, 280, 80, 340, 140, kShapeSolidOutline, kWhite);
  drawCircle(frame, 350, 80, 410, 140, 0, kYellow);
  drawCircle(frame, -20, 240, 60, 320, kShapeFilled, 0x7C1F);
  static const uint8_t mask[8 * 8] = {
      0, 0, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1,
      0, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0, 0, 1, 0, 1, 1, 0, 0, 1,
      1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1, 0, 0,
  };
  fillMask(frame, 430, 100, 8, 8, kYellow, mask);
  fillMask(frame, s16(frame.width - 4), 100, 8, 8, kYellow, mask);
  drawRect(frame, 20, 200, 200, 230, kShapeFilled, scaleColour(kGrey, 166, false));
  drawRect(frame, 20, 232, 200, 262, kShapeFilled, scaleColour(kGrey, 66, false));
}

void drawCharacterSetScene(FrameBuffer& frame) {
  drawRect(frame, 0, 0, frame.width, frame.height, kShapeFilled, kGrey);
  const FontId fonts[] = {kFontControls, kFontBody, kFontHeading};
  int y = 2;
  for (FontId font : fonts) {
    const bool heading = font == kFontHeading;
    if (heading) drawRect(frame, 0, s16(y), frame.width, frame.height, kShapeFilled, 20);
    for (int first = 32; first < 256; first += 32) {
      char line[33] = {};
      for (int i = 0; i < 32; ++i) line[i] = static_cast<char>(first + i);
      drawText(frame, 4, s16(y), font, heading ? kYellow : 0, line);
      y += fontHeight(frame, font);
    }
  }
}
