#include "platform/win32/keys.h"

LogicalKey logicalKeyOf(WPARAM virtualKey, bool shiftHeld) {
  const WORD code = LOWORD(virtualKey);
  if (code >= VK_F1 && code <= VK_F9) return static_cast<LogicalKey>(KEY_F1 + (code - VK_F1));
  switch (code) {
    case VK_LEFT:
      return KEY_LEFT;
    case VK_RIGHT:
      return KEY_RIGHT;
    case VK_UP:
      return KEY_UP;
    case VK_DOWN:
      return KEY_DOWN;
    case VK_SPACE:
      return KEY_SPACE;
    case VK_BACK:
      return KEY_BACKSPACE;
    case VK_DELETE:
      return KEY_DELETE;
    case VK_ESCAPE:
      return KEY_ESCAPE;
    case VK_RETURN:
      return KEY_RETURN;
    case VK_TAB:
      return shiftHeld ? KEY_SHIFT_TAB : KEY_TAB;
    case VK_INSERT:
      return KEY_INSERT;
    case VK_ADD:
      return KEY_PLUS;
    case VK_SUBTRACT:
      return KEY_MINUS;
    default:
      return KEY_NONE;
  }
}
