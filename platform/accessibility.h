#pragma once

#include <cstdint>
#include <span>

#include "platform/window.h"

// What the display window shows, told to assistive technology (screen
// readers): the window draws every control itself, so the system knows none
// of them. The program describes its items; the platform only translates.
namespace platform {

enum class AccessibleRole : uint8_t { pushButton, staticText, editableText, progressBar };

// Room for an item's name or value, the terminating zero included.
inline constexpr int kAccessibleTextRoom = 200;

// One thing the window shows. Texts are Windows-1252; the place is in client
// pixels.
struct AccessibleItem {
  AccessibleRole role = AccessibleRole::staticText;
  char name[kAccessibleTextRoom] = {};
  char value[kAccessibleTextRoom] = {};
  bool unavailable = false;  // a button that cannot be pressed now
  bool focusable = false;
  bool focused = false;
  bool pressable = false;  // its default action presses it
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// Asked by the platform whenever assistive technology looks at the window.
class AccessibleContent {
 public:
  // Fills `items` in reading order and returns how many there are.
  virtual int accessibleItems(std::span<AccessibleItem> items) = 0;
  // Presses the item as a click does; false when it cannot be pressed.
  virtual bool pressAccessibleItem(int index) = 0;

 protected:
  ~AccessibleContent() = default;
};

// The most items a window shows at once.
inline constexpr int kMostAccessibleItems = 16;

// Answers assistive technology's questions about `window` from `content`
// from now on; null stops answering.
void serveAccessibleContent(WindowHandle window, AccessibleContent* content);

enum class AccessibleChange : uint8_t {
  pageShown,     // every item may have changed: the page is to be read
  focusMoved,    // the keyboard focus is on `item`
  valueChanged,  // the value of `item` changed
};

// Tells assistive technology what changed; `item` counts from 0 in reading
// order, -1 for the content as a whole.
void notifyAccessibleChange(WindowHandle window, AccessibleChange change, int item);

}  // namespace platform
