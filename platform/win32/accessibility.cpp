#include "platform/accessibility.h"

#include <windows.h>

#include "platform/win32/accessibility.h"

namespace {

// One display window at a time serves its content.
HWND servingWindow = nullptr;
platform::AccessibleContent* servedContent = nullptr;

}  // namespace

platform::AccessibleContent* accessibleContentOf(HWND window) {
  return window == servingWindow ? servedContent : nullptr;
}

namespace platform {

void serveAccessibleContent(WindowHandle window, AccessibleContent* content) {
  servingWindow = content != nullptr ? static_cast<HWND>(window) : nullptr;
  servedContent = content;
}

// Focus is told only while the window has the keyboard: a reader follows
// the focus of the window the user works in.
void notifyAccessibleChange(WindowHandle window, AccessibleChange change, int item) {
  const HWND hwnd = static_cast<HWND>(window);
  const LONG child = item >= 0 ? item + 1 : CHILDID_SELF;
  const bool hasKeyboard = GetFocus() == hwnd;
  switch (change) {
    case AccessibleChange::pageShown:
      // The children changed; the focus on the dialog itself has a reader
      // read the new page.
      NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd, OBJID_CLIENT, CHILDID_SELF);
      if (hasKeyboard) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd, OBJID_CLIENT, CHILDID_SELF);
      break;
    case AccessibleChange::focusMoved:
      if (hasKeyboard) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd, OBJID_CLIENT, child);
      break;
    case AccessibleChange::valueChanged:
      NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd, OBJID_CLIENT, child);
      break;
  }
}

}  // namespace platform
