#pragma once

#include <span>

struct WizardControl;

// Which button of the page the keyboard works. Nothing has the focus until
// the user first moves it with Tab or an arrow key, so that the pages look
// as they always did to a user of the mouse; from then on every new page
// starts with the focus on its default button.
class KeyboardFocus {
 public:
  // The slot of the focused button, or -1.
  int slot() const { return slot_; }

  // On to the next button that can be pressed in reading order, or back to
  // the previous one, wrapping around; from no focus to the first or the
  // last. Disabled buttons, labels and panels are passed over.
  void move(std::span<WizardControl* const> slots, bool forward);

  // A page was just built. When the keyboard has been used and the page lets
  // anything take the focus, it starts on `defaultSlot`, the button Enter
  // presses without focus, or on its first button where that one is missing
  // or cannot be pressed; so Enter goes on.
  void enterPage(std::span<WizardControl* const> slots, bool pageTakesFocus, int defaultSlot);

  // Marks the focused control, and only it, for drawing.
  void mark(std::span<WizardControl* const> slots) const;

  // The focused button while it can be pressed, else null.
  WizardControl* focused(std::span<WizardControl* const> slots) const;

 private:
  int slot_ = -1;
  bool used_ = false;
};
