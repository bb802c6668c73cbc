#include "app/page_accessibility.h"

#include <array>
#include <cstdio>

#include "app/language_tables.h"
#include "app/reading_order.h"
#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "archive/archive_table.h"
#include "render/font.h"
#include "render/text.h"

// A page's items are its controls in reading order, less the panels and
// empty labels, with the installing page's own text and its progress bar.
namespace {

using platform::AccessibleItem;
using platform::AccessibleRole;

// Stands for the installing page's "Updating..." text, which is drawn
// straight into the frame, not made a control.
constexpr int kUpdatingLine = -1;
// What shows a value: the trough that the installing page fills as entries
// are installed, the location page's entry box.
constexpr int kValueSlot = 2;
// The installing page's text, as far above the bar as Redraw draws it.
constexpr int kUpdatingLineAbove = 40;

bool isProgressBar(const TX3INST& wizard, int slot) {
  return wizard.page == PAGE_INSTALLING && slot == kValueSlot;
}

bool readerSees(const TX3INST& wizard, int slot) {
  const WizardControl& control = *wizard.controls[slot];
  return control.text[0] != '\0' || control.kind == KIND_ENTRY || isProgressBar(wizard, slot);
}

// Fills `slots` with the slot each item stands for; returns how many.
int itemSlots(const TX3INST& wizard, std::span<int, platform::kMostAccessibleItems> slots) {
  std::array<int, kControlSlots> order{};
  const int placed = readingOrder(wizard.controls, order);
  int count = 0;
  if (wizard.page == PAGE_INSTALLING) slots[static_cast<size_t>(count++)] = kUpdatingLine;
  for (int i = 0; i < placed; ++i) {
    const int slot = order[static_cast<size_t>(i)];
    if (readerSees(wizard, slot)) slots[static_cast<size_t>(count++)] = slot;
  }
  return count;
}

int itemOfSlot(const TX3INST& wizard, int slot) {
  std::array<int, platform::kMostAccessibleItems> slots{};
  const int count = itemSlots(wizard, slots);
  for (int i = 0; i < count; ++i)
    if (slots[static_cast<size_t>(i)] == slot) return i;
  return -1;
}

void copyText(char (&to)[platform::kAccessibleTextRoom], const char* text) {
  std::snprintf(to, sizeof to, "%s", text);
}

void place(AccessibleItem& item, int x, int y, int width, int height) {
  item.x = x;
  item.y = y;
  item.width = width;
  item.height = height;
}

// Text stands where it is drawn, as wide and high as its glyphs; a box
// covers one pixel more each way than its size, its bevel's outer edge.
AccessibleItem describeText(const FrameBuffer& frame, const char* text, int font, int x, int y) {
  AccessibleItem item;
  copyText(item.name, text);
  place(item, x, y, textWidth(frame, font, text), fontHeight(frame, font));
  return item;
}

int installedPercent(const TX3INST& wizard) {
  // Step 0 checks the sources; each later step installs one entry.
  const int installed = wizard.installStep > 0 ? wizard.installStep - 1 : 0;
  return installed * 100 / kArchiveEntryCount;
}

AccessibleItem describeSlot(const TX3INST& wizard, int slot) {
  if (slot == kUpdatingLine)
    return describeText(wizard.frame(), languageText(kUpdatingText, wizard.language), kFontBody,
                        wizard.boxX, wizard.boxY - kUpdatingLineAbove);
  const WizardControl& control = *wizard.controls[slot];
  if (control.kind == KIND_LABEL)
    return describeText(wizard.frame(), control.text, kFontControls, control.x, control.y);
  AccessibleItem item;
  place(item, control.x, control.y, control.width + 1, control.height + 1);
  if (isProgressBar(wizard, slot)) {
    item.role = AccessibleRole::progressBar;
    std::snprintf(item.value, sizeof item.value, "%d%%", installedPercent(wizard));
  } else if (control.kind == KIND_ENTRY) {
    // Typing goes there whatever button has the focus.
    item.role = AccessibleRole::editableText;
    copyText(item.value, wizard.installDir);
    item.focusable = true;
  } else {
    item.role = AccessibleRole::pushButton;
    copyText(item.name, control.text);
    item.pressable = canBePressed(control);
    item.unavailable = !item.pressable;
    item.focusable = item.pressable;
    item.focused = item.pressable && control.focused;
  }
  return item;
}

}  // namespace

int TX3INST::describeContent(std::span<AccessibleItem> items) const {
  std::array<int, platform::kMostAccessibleItems> slots{};
  const int count = itemSlots(*this, slots);
  int described = 0;
  for (; described < count && static_cast<size_t>(described) < items.size(); ++described)
    items[static_cast<size_t>(described)] =
        describeSlot(*this, slots[static_cast<size_t>(described)]);
  return described;
}

bool TX3INST::pressContentItem(int index) {
  std::array<int, platform::kMostAccessibleItems> slots{};
  const int count = itemSlots(*this, slots);
  if (index < 0 || index >= count) return false;
  const int slot = slots[static_cast<size_t>(index)];
  WizardControl* control = slot >= 0 ? controls[slot] : nullptr;
  if (control == nullptr || !canBePressed(*control)) return false;
  pressWithoutMouse(frame(), *control);
  return true;
}

void announceNewPage(const TX3INST& wizard) {
  wizard.announce(platform::AccessibleChange::pageShown, -1);
  if (wizard.focus.slot() >= 0) announceFocus(wizard);
}

void announceFocus(const TX3INST& wizard) {
  wizard.announce(platform::AccessibleChange::focusMoved, itemOfSlot(wizard, wizard.focus.slot()));
}

void announceValueChange(const TX3INST& wizard) {
  wizard.announce(platform::AccessibleChange::valueChanged, itemOfSlot(wizard, kValueSlot));
}
