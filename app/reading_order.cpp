#include "app/reading_order.h"

#include <algorithm>

#include "app/wizard_control.h"

int readingOrder(std::span<WizardControl* const> slots, std::span<int> order) {
  int count = 0;
  for (size_t slot = 0; slot < slots.size() && static_cast<size_t>(count) < order.size(); ++slot)
    if (slots[slot] != nullptr) order[static_cast<size_t>(count++)] = static_cast<int>(slot);
  const auto before = [&](int a, int b) {
    const WizardControl& first = *slots[static_cast<size_t>(a)];
    const WizardControl& second = *slots[static_cast<size_t>(b)];
    return first.y != second.y ? first.y < second.y : first.x < second.x;
  };
  // Stable: controls at the same point keep their slot order.
  std::stable_sort(order.begin(), order.begin() + count, before);
  return count;
}
