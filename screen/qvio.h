#pragma once

#include <cstdint>
#include <span>

#include "platform/accessibility.h"
#include "platform/window.h"
#include "platform/window_events.h"
#include "render/frame_buffer.h"
#include "screen/input_queue.h"

class DRIVE_PATH;
class TFrameWindow;
struct FontTable;

// The screen class: the one object through which the main loop and the
// display window drive the application. It owns the window, the frame it
// shows, the fonts and the input the window reported. Exactly one exists per
// process.
class QVIO : private platform::WindowEvents, private platform::AccessibleContent {
 public:
  QVIO();
  virtual ~QVIO();
  QVIO(const QVIO&) = delete;
  QVIO& operator=(const QVIO&) = delete;

  // Slot 0: draws the current state completely into the frame.
  virtual bool Redraw() = 0;
  // Slot 1: one turn of the main loop; false ends it.
  virtual bool Step() = 0;
  // True while the next Step has work to do whether or not input arrives;
  // the main loop then turns without waiting.
  virtual bool wantsNextStepAtOnce() const { return false; }
  // The window was activated again and the buttons recorded down count no
  // more: what a held button pressed is let go without a click.
  virtual void releaseHeldButtons() {}

  // What the frame shows, for screen readers: its items in reading order,
  // placed in frame pixels; returns how many. A screen that tells nothing
  // has none.
  virtual int describeContent(std::span<platform::AccessibleItem> items) const;
  // Presses the item as a click does; false when it cannot be pressed.
  virtual bool pressContentItem(int index);
  // Tells screen readers what changed; `item` as describeContent counts.
  void announce(platform::AccessibleChange change, int item) const;

  // The frame's size: 0 until a frame is opened, kept after it is closed.
  int16_t width() const { return frame_.width; }
  int16_t height() const { return frame_.height; }
  bool minimiseOnDeactivate() const { return minimiseOnDeactivate_ != 0; }

  void SetTitle(const char* title);

  int OpenGraphics(int16_t width, int16_t height, const char* title, uint8_t minimiseOnDeactivate,
                   const DRIVE_PATH& fontDirectory);
  void CloseGraphics();
  // Shows the frame's dirty rectangle. When it shows a new page, what was
  // pressed or typed before counts no more: it was meant for the page before.
  void Present();
  // The frame now holds another page than the one shown.
  void newPageDrawn() { newPage_ = true; }
  // Hands every waiting message to the window, lets the next waiting button
  // change count, and presents the frame.
  void PumpMessages();
  // After a pump that found no input, and with no work due, waits briefly for
  // the next message so that an idle program does not spin.
  void WaitWhileIdle();

  // What the window shows; text in it is drawn with the display's fonts.
  FrameBuffer& frame() { return frame_; }
  const FrameBuffer& frame() const { return frame_; }
  InputQueue& input() { return input_; }
  bool quitRequested() const { return input_.quitRequested(); }
  // The display window, or null.
  platform::WindowHandle window() const { return window_; }
  // How many client pixels wide and high each frame pixel is shown.
  int displayScale() const { return scale_; }

  // The registered instance, or null.
  static QVIO* instance();

 private:
  // How the screen reacts to what happens to its window: it records input
  // and the close request for the wizard's next turns, repaints, forgets
  // input on activation, and minimises when asked to.
  void activated(bool active) override;
  void paint(const platform::ClientRect& area) override;
  void closeRequested() override;
  void keyPressed(LogicalKey key) override;
  void characterTyped(uint8_t character, bool ofKeyPress) override;
  void pointerMoved(int16_t x, int16_t y) override;
  void buttonChanged(MouseButton button, bool down) override;
  void dpiChanged(int dpi, const platform::WindowPlacement& suggested) override;
  // The content as the window shows it: in client pixels, at its scale.
  int accessibleItems(std::span<platform::AccessibleItem> items) override;
  bool pressAccessibleItem(int index) override;

  bool createDisplayWindow(int16_t width, int16_t height, const char* title);
  void reshapeDisplayWindow(int16_t width, int16_t height);
  void centreDisplayWindow(int16_t width, int16_t height);
  // Places the window so that its client area holds a frame of that size
  // exactly at the scale.
  void fitDisplayWindow(const platform::WindowPlacement& at, int16_t width, int16_t height);
  int loadFonts(const DRIVE_PATH& directory);
  // Waiting keys and button changes, and buttons held down, count no more.
  void forgetInput();

  uint8_t minimiseOnDeactivate_ = 0;
  FrameBuffer frame_;
  FontTable* fonts_ = nullptr;
  platform::WindowHandle window_ = nullptr;
  TFrameWindow* frameWindow_ = nullptr;
  // Read when the window is created and kept for every later opening.
  platform::WindowMetrics metrics_;
  int scale_ = 1;
  InputQueue input_;
  bool lastPumpHadMessages_ = false;
  bool newPage_ = false;
};

// What the entry point received: the program's instance, for the window and
// the cursors, and the command line, for the recognition of the packer switch.
void storeProgramStart(void* programInstance, const char* commandLine);
const char* CommandLine();
