#include "app/wizard_control.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "render/font.h"
#include "render/primitives.h"
#include "render/text.h"
#include "screen/mouse.h"

namespace {

constexpr uint16_t kFaceColour = 0x6739;
constexpr uint16_t kLightEdge = 0x7FFF;
constexpr uint16_t kDarkEdge = 0x2108;
constexpr int16_t kEngraveLight = 166;
constexpr int16_t kEngraveDark = 66;

int16_t at16(int value) {
  return static_cast<int16_t>(value);
}

void drawBevel(FrameBuffer& frame, const WizardControl& c) {
  const uint16_t topLeft = c.pressed ? kDarkEdge : kLightEdge;
  const uint16_t bottomRight = c.pressed ? kLightEdge : kDarkEdge;
  const int16_t left = c.x;
  const int16_t top = c.y;
  const int16_t right = at16(c.x + c.width);
  const int16_t bottom = at16(c.y + c.height);
  // Outer ring first, then the inner one, each top, left, bottom, right.
  drawLine(frame, left, top, right, top, kLineSolid, topLeft);
  drawLine(frame, left, top, left, bottom, kLineSolid, topLeft);
  drawLine(frame, left, bottom, right, bottom, kLineSolid, bottomRight);
  drawLine(frame, right, top, right, bottom, kLineSolid, bottomRight);
  const int16_t innerLeft = at16(left + 1);
  const int16_t innerTop = at16(top + 1);
  const int16_t innerRight = at16(right - 1);
  const int16_t innerBottom = at16(bottom - 1);
  drawLine(frame, innerLeft, innerTop, innerRight, innerTop, kLineSolid, topLeft);
  drawLine(frame, innerLeft, innerTop, innerLeft, innerBottom, kLineSolid, topLeft);
  drawLine(frame, innerLeft, innerBottom, innerRight, innerBottom, kLineSolid, bottomRight);
  drawLine(frame, innerRight, innerTop, innerRight, innerBottom, kLineSolid, bottomRight);
}

// A dotted rectangle inside the face, as the system marks the button that
// has the keyboard focus: a row of face clear of the two-pixel bevel, or
// right inside it where a low button's text would cross the mark.
void drawFocusMark(FrameBuffer& frame, const WizardControl& c, int textTop) {
  const int inset = std::clamp(textTop, 2, 3);
  drawRect(frame, at16(c.x + inset), at16(c.y + inset), at16(c.x + c.width - inset),
           at16(c.y + c.height - inset), kRectDashed, c.textColour);
}

}  // namespace

bool canBePressed(const WizardControl& control) {
  const ControlKind kind = control.kind;
  return control.text[0] != '\0' && kind != KIND_INACTIVE && kind != KIND_LABEL &&
         kind != KIND_ENTRY;
}

WizardControl* createControl(int16_t x, int16_t y, int16_t width, int16_t height, const char* text,
                             ControlKind kind, int32_t target, uint16_t textColour) {
  WizardControl* control = new (std::nothrow) WizardControl{};
  if (control == nullptr) return nullptr;
  if (text != nullptr) setControlText(*control, text);
  control->x = x;
  control->y = y;
  control->width = width;
  control->height = height;
  control->target = target;
  control->kind = kind;
  control->textColour = textColour;
  return control;
}

// A 199-character folder plus the entry box's cursor bar would not fit with
// its terminating zero: keep what fits.
void setControlText(WizardControl& control, const char* text) {
  const size_t length = strnlen(text, kTextRoom - 1);
  std::memcpy(control.text, text, length);
  control.text[length] = '\0';
}

void drawControl(FrameBuffer& frame, const WizardControl* control) {
  if (control == nullptr) return;
  const WizardControl& c = *control;
  if (c.kind == KIND_LABEL) {
    drawText(frame, c.x, c.y, kFontControls, c.textColour, c.text);
    return;
  }
  int dx = 0;
  const int textTop = (c.height - fontHeight(frame, kFontControls)) / 2 + 1;
  int dy = textTop;
  if (c.pressed) {
    dx += 2;
    dy += 2;
  }
  drawRect(frame, c.x, c.y, at16(c.x + c.width), at16(c.y + c.height), kShapeFilled, kFaceColour);
  const int tx = c.x + (c.width - textWidth(frame, kFontControls, c.text)) / 2;
  if (c.kind == KIND_INACTIVE) {
    // A lighter copy one pixel right and down under the darker one: the text
    // looks engraved, as greyed-out text does.
    drawText(frame, at16(tx + dx + 1), at16(c.y + dy + 1), kFontControls,
             scaleColour(kFaceColour, kEngraveLight, false), c.text);
    drawText(frame, at16(tx + dx), at16(c.y + dy), kFontControls,
             scaleColour(kFaceColour, kEngraveDark, false), c.text);
  } else {
    drawText(frame, at16(tx + dx), at16(c.y + dy), kFontControls, c.textColour, c.text);
  }
  drawBevel(frame, c);
  if (c.focused) drawFocusMark(frame, c, textTop);
}

bool hitTestControl(FrameBuffer& frame, WizardControl* control, const MOUSE* mouse) {
  if (control == nullptr || !canBePressed(*control)) return false;
  if (control->clickPending) {
    control->clickPending = false;
    return true;
  }
  if (mouse == nullptr) return false;
  uint8_t button = 0;
  int16_t mx = 0;
  int16_t my = 0;
  mouse->GetLeftButton(button);
  mouse->GetPosition(mx, my);
  const bool down = button != 0;
  // Only a change of the button counts, so motion alone never clicks.
  if (down == control->lastButton) return false;
  control->lastButton = down;
  const bool inside = control->x < mx && mx < control->x + control->width && control->y < my &&
                      my < control->y + control->height;
  bool clicked = false;
  if (inside && down) {
    control->pressed = true;
  } else if (inside) {
    clicked = control->pressed;
    control->pressed = false;
  } else {
    control->pressed = false;
  }
  drawControl(frame, control);
  return clicked;
}

void putControl(std::span<WizardControl*> slots, int slot, WizardControl* control) {
  if (slot < 0 || static_cast<size_t>(slot) >= slots.size()) {
    delete control;
    return;
  }
  delete slots[static_cast<size_t>(slot)];
  slots[static_cast<size_t>(slot)] = control;
}

void pressWithoutMouse(FrameBuffer& frame, WizardControl& control) {
  control.pressed = true;
  control.releasePending = true;
  drawControl(frame, &control);
}

void letGoWithoutClick(std::span<WizardControl* const> slots) {
  for (WizardControl* control : slots) {
    if (control == nullptr || !control->lastButton) continue;
    control->lastButton = false;
    control->pressed = false;
  }
}

bool releasePressedButtons(std::span<WizardControl* const> slots) {
  bool released = false;
  for (WizardControl* control : slots) {
    if (control == nullptr || !control->releasePending) continue;
    control->releasePending = false;
    control->pressed = false;
    control->clickPending = true;
    released = true;
  }
  return released;
}
