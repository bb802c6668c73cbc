#pragma once

#include <span>

struct WizardControl;

// Writes the slots that hold a control into `order` as a reader takes the
// page in: top to bottom, then left to right, slot order where two controls
// start at the same point. Returns how many it wrote; `order` has room for
// one per slot.
int readingOrder(std::span<WizardControl* const> slots, std::span<int> order);
