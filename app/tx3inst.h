#pragma once

#include <cstdint>
#include <span>

#include "app/control_slots.h"
#include "app/keyboard_focus.h"
#include "app/wizard_page.h"
#include "install/text_room.h"
#include "install/update_transaction.h"
#include "screen/qvio.h"

class KEYBOARD;
class MOUSE;
struct WizardControl;

// The application object: the wizard's whole state, driven one turn at a time
// by the main loop.
class TX3INST : public QVIO {
 public:
  TX3INST();
  ~TX3INST() override;

  bool Redraw() override;
  bool Step() override;
  // The installing page performs one step per turn without waiting for input.
  bool wantsNextStepAtOnce() const override { return page == PAGE_INSTALLING; }
  void releaseHeldButtons() override;
  int describeContent(std::span<platform::AccessibleItem> items) const override;
  bool pressContentItem(int index) override;

  int16_t page = 0;
  int16_t builtPage = -1;  // -1 so that the first Redraw builds page 0
  int16_t installStep = 0;
  int16_t boxX = 0;
  int16_t boxY = 0;
  int16_t boxW = 0;
  char installedVersion[kTextRoom] = {};
  char installDir[kTextRoom] = {};
  // Given on the command line in place of the folder the game's settings
  // name; empty when none.
  char givenDir[kTextRoom] = {};
  MOUSE* mouse = nullptr;
  KEYBOARD* keyboard = nullptr;
  bool quit = false;
  int32_t language = 0;
  WizardControl* controls[kControlSlots] = {};
  KeyboardFocus focus;
  // What the installing page has staged; undone if the wizard ends before
  // the commit.
  UpdateTransaction update;

 private:
  void releaseControls();
};
