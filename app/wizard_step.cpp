#include "app/tx3inst.h"

#include <cstring>

#include "app/install_sequence.h"
#include "app/language_choice.h"
#include "app/page_accessibility.h"
#include "app/show_page.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"
#include "archive/path_format.h"
#include "install/quick_start.h"
#include "platform/shell.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/text.h"
#include "screen/keyboard.h"

namespace {

constexpr int kLongestFolder = kTextRoom - 1;

void editFolder(TX3INST& wizard, LogicalKey key, uint8_t character) {
  char* folder = wizard.installDir;
  const size_t length = std::strlen(folder);
  if (key == KEY_BACKSPACE) {
    if (length > 0) folder[length - 1] = '\0';
  } else if (static_cast<int8_t>(character) >= 32 && length < kLongestFolder) {
    folder[length] = static_cast<char>(character);
    folder[length + 1] = '\0';
    // The box shows the folder without scrolling: what does not fit is refused.
    if (textWidth(wizard.frame(), kFontControls, folder) > wizard.boxW) folder[length] = '\0';
  }
  wizard.Redraw();
  if (std::strlen(folder) != length) announceValueChange(wizard);
}

// Tab, Right and Down move the focus on; Shift+Tab, Left and Up move it back.
bool movesFocus(LogicalKey key, bool& forward) {
  forward = key == KEY_TAB || key == KEY_RIGHT || key == KEY_DOWN;
  return forward || key == KEY_SHIFT_TAB || key == KEY_LEFT || key == KEY_UP;
}

void moveFocus(TX3INST& wizard, bool forward) {
  wizard.focus.move(wizard.controls, forward);
  wizard.Redraw();
  announceFocus(wizard);
}

// Enter presses the focused button; so does Space, except where Space types
// into the folder.
bool pressesFocusedButton(const TX3INST& wizard, LogicalKey key) {
  return key == KEY_RETURN || (key == KEY_SPACE && wizard.page != PAGE_LOCATION);
}

void readKeyboard(TX3INST& wizard) {
  uint8_t character = 0;
  LogicalKey key = KEY_NONE;
  if (wizard.keyboard == nullptr || !wizard.keyboard->ReadKey(character, key)) return;
  if (key == KEY_ESCAPE) wizard.quit = true;
  // The installing page has no buttons: only Escape, which undoes the update.
  if (wizard.page == PAGE_INSTALLING) return;
  bool forward = true;
  if (movesFocus(key, forward)) {
    moveFocus(wizard, forward);
    return;
  }
  WizardControl* focused = wizard.focus.focused(wizard.controls);
  if (focused != nullptr && pressesFocusedButton(wizard, key)) {
    pressWithoutMouse(wizard.frame(), *focused);
    return;
  }
  const int enterSlot = defaultButtonSlot(wizard.page);
  if (key == KEY_RETURN && enterSlot >= 0) {
    if (WizardControl* button = wizard.controls[enterSlot]) button->clickPending = true;
    return;
  }
  if (wizard.page == PAGE_LOCATION) editFolder(wizard, key, character);
}

void openInstalledReadme(const TX3INST& wizard) {
  char path[500];
  if (formatPath(path, sizeof path, "%s\\readme.txt", wizard.installDir))
    platform::openDocument(path);
}

// The control may be released by a change of page, so everything needed of
// it is read before acting.
void actOnClick(TX3INST& wizard, const WizardControl& control) {
  const int32_t target = control.target;
  switch (control.kind) {
    case KIND_LANGUAGE:
      chooseLanguage(wizard, target);
      break;
    case KIND_GOTO:
      showPage(wizard, static_cast<int16_t>(target));
      break;
    case KIND_EXIT:
      // Only the finished update has a readme to show.
      if (wizard.page == PAGE_COMPLETED) openInstalledReadme(wizard);
      wizard.quit = true;
      break;
    case KIND_DELETE_QUICKSTART:
      clearQuickStart(wizard.installDir, true);
      showPage(wizard, PAGE_COMPLETED);
      break;
    case KIND_KEEP_QUICKSTART:
      showPage(wizard, PAGE_COMPLETED);
      break;
    default:
      break;
  }
}

}  // namespace

bool TX3INST::Step() {
  if (!isFrameReady(frame())) return false;
  // A button pressed without the mouse was shown sunken for a turn and now
  // clicks; keys wait, so that none lands on a page about to go.
  if (!releasePressedButtons(controls)) readKeyboard(*this);
  if (page == PAGE_INSTALLING) performInstallationStep(*this);
  // A page built by a click starts with fresh controls, which report nothing
  // in the turn that built them.
  for (int slot = 0; slot < kControlSlots; ++slot) {
    WizardControl* control = controls[slot];
    if (hitTestControl(frame(), control, mouse)) actOnClick(*this, *control);
  }
  return !quit;
}
