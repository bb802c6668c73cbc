#include "screen/mouse.h"

#include "platform/cursor.h"
#include "platform/message_box.h"
#include "screen/input_queue.h"

namespace {

MOUSE* registeredMouse = nullptr;

// The cursors live with the process, not with the object, like the recorded
// position and buttons.
struct Cursors {
  platform::CursorHandle saved = nullptr;  // current before the first MOUSE
  platform::CursorHandle standard = nullptr;
  platform::CursorHandle football = nullptr;
  platform::CursorHandle hand = nullptr;
};
Cursors cursors;

void loadFromResources(platform::CursorHandle& cursor, const char* name) {
  if (cursor == nullptr) cursor = platform::loadCursorResource(name);
}

void fallBackTo(platform::CursorHandle& cursor, platform::SystemCursor system) {
  if (cursor == nullptr) cursor = platform::loadSystemCursor(system);
}

void release(platform::CursorHandle& cursor) {
  if (cursor == nullptr) return;
  platform::destroyCursor(cursor);
  cursor = nullptr;
}

platform::CursorHandle cursorOfShape(int shape) {
  switch (shape) {
    case 0:
      return cursors.standard;
    case 1:
      return cursors.football;
    case 2:
      return cursors.hand;
    default:
      return nullptr;
  }
}

// Hidden around the change so that the old image is never left behind; the
// display count ends where it started.
void showShapeCursor(platform::CursorHandle cursor) {
  platform::showCursor(false);
  if (cursor != nullptr) platform::setCursor(cursor);
  platform::showCursor(true);
}

}  // namespace

MOUSE::MOUSE(InputQueue& input) : input_(input) {
  if (registeredMouse != nullptr) {
    showMessage("Error", "Second MOUSE class declared.");
    platform::endProcess(-1);
  }
  registeredMouse = this;
  if (cursors.saved == nullptr) cursors.saved = platform::currentCursor();
  loadFromResources(cursors.football, "IDC_FOOTIE");
  loadFromResources(cursors.standard, "IDC_STD");
  loadFromResources(cursors.hand, "IDC_HAND");
  fallBackTo(cursors.football, platform::SystemCursor::wait);
  fallBackTo(cursors.hand, platform::SystemCursor::arrow);
  fallBackTo(cursors.standard, platform::SystemCursor::arrow);
  SetShape(1);
}

MOUSE::~MOUSE() {
  if (cursors.saved != nullptr) {
    platform::setCursor(cursors.saved);
    cursors.saved = nullptr;
  }
  release(cursors.football);
  release(cursors.standard);
  release(cursors.hand);
  if (registeredMouse == this) registeredMouse = nullptr;
}

MOUSE* MOUSE::instance() {
  return registeredMouse;
}

void MOUSE::SetShape(int shape) {
  if (shape == shape_) return;
  shape_ = shape;
  showShapeCursor(cursorOfShape(shape));
}

void MOUSE::RefreshCursor() {
  const platform::CursorHandle cursor = cursorOfShape(shape_);
  if (cursor == nullptr || platform::currentCursor() == cursor) return;
  showShapeCursor(cursor);
}

void MOUSE::GetPosition(int16_t& x, int16_t& y) const {
  x = input_.x();
  y = input_.y();
}

void MOUSE::GetLeftButton(uint8_t& left) const {
  left = input_.leftButton() ? 1 : 0;
}

void MOUSE::GetButtons(uint8_t& left, uint8_t& right) const {
  left = input_.leftButton() ? 1 : 0;
  right = input_.rightButton() ? 1 : 0;
}

void MOUSE::ClearButtons() {
  input_.forgetButtons();
}
