#include "app/keyboard_focus.h"

#include <array>

#include "app/control_slots.h"
#include "app/reading_order.h"
#include "app/wizard_control.h"

void KeyboardFocus::move(std::span<WizardControl* const> slots, bool forward) {
  used_ = true;
  std::array<int, kControlSlots> order{};
  const int placed = readingOrder(slots, order);
  std::array<int, kControlSlots> buttons{};
  int count = 0;
  int current = -1;
  for (int i = 0; i < placed; ++i) {
    const int slot = order[static_cast<size_t>(i)];
    if (!canBePressed(*slots[static_cast<size_t>(slot)])) continue;
    if (slot == slot_) current = count;
    buttons[static_cast<size_t>(count++)] = slot;
  }
  if (count == 0) {
    slot_ = -1;
    return;
  }
  int next = 0;
  if (current < 0) {
    next = forward ? 0 : count - 1;
  } else {
    next = (current + (forward ? 1 : count - 1)) % count;
  }
  slot_ = buttons[static_cast<size_t>(next)];
}

void KeyboardFocus::enterPage(std::span<WizardControl* const> slots, bool pageTakesFocus,
                              int defaultSlot) {
  slot_ = defaultSlot;
  if (!used_ || !pageTakesFocus) {
    slot_ = -1;
  } else if (focused(slots) == nullptr) {
    move(slots, true);
  }
}

void KeyboardFocus::mark(std::span<WizardControl* const> slots) const {
  for (size_t slot = 0; slot < slots.size(); ++slot)
    if (slots[slot] != nullptr) slots[slot]->focused = static_cast<int>(slot) == slot_;
}

WizardControl* KeyboardFocus::focused(std::span<WizardControl* const> slots) const {
  if (slot_ < 0 || static_cast<size_t>(slot_) >= slots.size()) return nullptr;
  WizardControl* control = slots[static_cast<size_t>(slot_)];
  return control != nullptr && canBePressed(*control) ? control : nullptr;
}
