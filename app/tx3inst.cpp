#include "app/tx3inst.h"

#include <cstring>
#include <new>

#include "app/language_tables.h"
#include "app/wizard_control.h"
#include "archive/drive_path.h"
#include "platform/message_box.h"
#include "screen/keyboard.h"
#include "screen/mouse.h"

// Every field has its start value before anything here can show a message
// box, because the box's modal loop may repaint the window.
TX3INST::TX3INST() {
  DRIVE_PATH currentFolder;
  mouse = new (std::nothrow) MOUSE(input());
  if (mouse == nullptr) {
    showMessage("Error", "Unable to create mouse");
    quit = true;
  } else {
    mouse->SetShape(0);
  }
  keyboard = new (std::nothrow) KEYBOARD(input());
  if (keyboard == nullptr) {
    showMessage("Error", "Unable to create keyboard");
    quit = true;
  }
  if (OpenGraphics(550, 350, languageText(kWizardTitle, LANGUAGE_ENGLISH), 0, currentFolder) != 0) {
    showMessage("Error", "Unable to open graphics");
    quit = true;
  }
  std::strcpy(installDir, "c:\\tx3demo");
}

TX3INST::~TX3INST() {
  releaseControls();
  CloseGraphics();
  delete mouse;
  mouse = nullptr;
  delete keyboard;
  keyboard = nullptr;
}

void TX3INST::releaseControls() {
  for (WizardControl*& control : controls) {
    delete control;
    control = nullptr;
  }
}

void TX3INST::releaseHeldButtons() {
  letGoWithoutClick(controls);
}
