#pragma once

#include <vector>

#include "platform/accessibility.h"

// What a screen reader would find and hear on the headless desktop.
namespace headless {

struct AccessibleNotice {
  platform::AccessibleChange change;
  int item;
  bool operator==(const AccessibleNotice&) const = default;
};

// The content the window serves, or null.
platform::AccessibleContent* accessibleContent();

// Every change told since the last reset, oldest first.
const std::vector<AccessibleNotice>& accessibleNotices();
void resetAccessibleNotices();

}  // namespace headless
