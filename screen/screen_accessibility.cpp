#include "screen/qvio.h"

#include "platform/accessibility.h"

int QVIO::describeContent(std::span<platform::AccessibleItem>) const {
  return 0;
}

bool QVIO::pressContentItem(int) {
  return false;
}

void QVIO::announce(platform::AccessibleChange change, int item) const {
  if (window_ != nullptr) platform::notifyAccessibleChange(window_, change, item);
}

int QVIO::accessibleItems(std::span<platform::AccessibleItem> items) {
  const int count = describeContent(items);
  for (platform::AccessibleItem& item : items.first(static_cast<size_t>(count))) {
    item.x *= scale_;
    item.y *= scale_;
    item.width *= scale_;
    item.height *= scale_;
  }
  return count;
}

bool QVIO::pressAccessibleItem(int index) {
  return pressContentItem(index);
}
