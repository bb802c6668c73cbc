#pragma once

#include <cstdint>
#include <span>

#include "install/text_room.h"

class MOUSE;
struct FrameBuffer;

// What a control is, and what a click on it does.
enum ControlKind : int32_t {
  KIND_ENTRY = -2,             // the typed folder; never clicks
  KIND_LABEL = -1,             // text only, no box; never clicks
  KIND_INACTIVE = 0,           // panels and disabled buttons, text engraved; never clicks
  KIND_LANGUAGE = 1,           // chooses the language `target`
  KIND_GOTO = 2,               // shows the page `target`
  KIND_EXIT = 3,               // ends the program (Exit, Finish)
  KIND_DELETE_QUICKSTART = 4,  // deletes the out-of-date quick-start files
  KIND_KEEP_QUICKSTART = 5,    // keeps them
};

// A self-drawn button, panel, label or entry box of a wizard page.
struct WizardControl {
  char text[kTextRoom];
  int16_t x;
  int16_t y;
  int16_t width;
  int16_t height;  // 0 for labels
  int32_t target;
  ControlKind kind;
  bool pressed;       // drawn sunken; for a button, the press began inside it
  bool lastButton;    // the left button as the last hit test saw it
  bool clickPending;  // a click asked for without the mouse
  uint16_t textColour;
  bool focused;         // drawn with the focus mark: the keyboard works it
  bool releasePending;  // pressed by a key or a screen reader: clicks at the next turn
};

// A new control with every flag clear. A text of kTextRoom characters or more
// keeps its first kTextRoom - 1. Null when memory runs out.
WizardControl* createControl(int16_t x, int16_t y, int16_t width, int16_t height, const char* text,
                             ControlKind kind, int32_t target, uint16_t textColour);

// A button that a click, a key or a screen reader can press now: not a panel,
// a label, the entry box or a button shown disabled.
bool canBePressed(const WizardControl& control);

// Replaces the control's text; one of kTextRoom characters or more keeps its
// first kTextRoom - 1.
void setControlText(WizardControl& control, const char* text);

// Draws the control into the frame; a null control draws nothing.
void drawControl(FrameBuffer& frame, const WizardControl* control);

// True when the control was clicked since its last test: the left button went
// down and came up inside it, judged when the button changed state. A click
// asked for by `clickPending` counts once. Controls that never click, and
// controls without a caption, report nothing.
// A control whose look changed is drawn again.
bool hitTestControl(FrameBuffer& frame, WizardControl* control, const MOUSE* mouse);

// Presses the button as a quick click does: it is shown sunken now and
// clicks when releasePressedButtons lets it go in the next turn, so that the
// press is seen.
void pressWithoutMouse(FrameBuffer& frame, WizardControl& control);

// Turns the buttons pressed without the mouse into clicks that their next
// hit test reports; true when there was one.
bool releasePressedButtons(std::span<WizardControl* const> slots);

// Lets go of the buttons the left button was seen holding, without a click:
// that press counts no more.
void letGoWithoutClick(std::span<WizardControl* const> slots);

// Releases what the slot held and puts `control` (possibly null) there.
void putControl(std::span<WizardControl*> slots, int slot, WizardControl* control);
