#include "platform/headless/accessibility.h"

namespace {
platform::AccessibleContent* served = nullptr;
std::vector<headless::AccessibleNotice> notices;
}  // namespace

namespace headless {

platform::AccessibleContent* accessibleContent() {
  return served;
}
const std::vector<AccessibleNotice>& accessibleNotices() {
  return notices;
}
void resetAccessibleNotices() {
  notices.clear();
}

}  // namespace headless

namespace platform {

void serveAccessibleContent(WindowHandle, AccessibleContent* content) {
  served = content;
}

void notifyAccessibleChange(WindowHandle, AccessibleChange change, int item) {
  notices.push_back({change, item});
}

}  // namespace platform
