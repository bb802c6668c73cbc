#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"
#include "platform/headless/window.h"
#include "support/update_fixture.h"

// The whole wizard as the main loop drives it, with the pointer, the buttons
// and the keys injected between turns.
class WizardTest : public UpdateFixture {
 protected:
  void SetUp() override {
    UpdateFixture::SetUp();
    namespace fs = std::filesystem;
    for (const auto& font : fs::directory_iterator(fs::path(TX3_SOURCE_DIR) / "data" / "fonts"))
      fs::copy_file(font.path(), update(font.path().filename().string()));
    headless::resetDesktop();
    wizard = std::make_unique<TX3INST>();
    wizard->Redraw();  // as the window procedure does when the window is painted
    ASSERT_TRUE(wizard->Step());
  }

  // One turn of the main loop: what the window reported, then the wizard's step.
  bool turn() {
    wizard->PumpMessages();
    return wizard->Step();
  }

  // The user acts on the page the window shows: what the last turn drew is
  // presented first.
  void look() { wizard->Present(); }

  // The page shown at once, as a change of page shows it.
  void show(int16_t page) {
    wizard->page = page;
    wizard->Redraw();
  }

  // Pressed and released at the control's centre, both before the next turn.
  bool click(int slot) {
    look();
    const WizardControl* control = wizard->controls[slot];
    if (control == nullptr) {
      ADD_FAILURE() << "no slot " << slot << " on page " << wizard->page;
      return true;
    }
    headless::postPointer(static_cast<int16_t>(control->x + control->width / 2),
                          static_cast<int16_t>(control->y + control->height / 2));
    headless::postButton(MouseButton::left, true);
    headless::postButton(MouseButton::left, false);
    turn();
    return turn();
  }

  bool key(LogicalKey key, uint8_t character) {
    look();
    headless::postKey(key);
    headless::postCharacter(character);
    return turn();
  }

  // Typed all at once, as a busy moment or a typing tool delivers it, then
  // read one press a turn; '\b' is Backspace.
  void type(const std::string& text) {
    look();
    for (char c : text) {
      headless::postKey(c == '\b' ? KEY_BACKSPACE : KEY_NONE);
      headless::postCharacter(static_cast<uint8_t>(c));
    }
    for (size_t turns = 0; turns <= text.size(); ++turns) turn();
  }

  // Turns until the installing page is left.
  void installUntilStopped() {
    for (int turns = 0; turns < 100 && wizard->page == PAGE_INSTALLING; ++turns) turn();
  }

  std::unique_ptr<TX3INST> wizard;
};
