#pragma once

#include <cstdint>

class DRIVE_PATH;

// The screen class: the one object through which the main loop and the window
// procedure drive the application. Exactly one exists per process.
class QVIO {
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

  int16_t width() const { return width_; }
  int16_t height() const { return height_; }
  bool minimiseOnDeactivate() const { return minimiseOnDeactivate_ != 0; }

  void SetTitle(const char* title);

  int OpenGraphics(int16_t width, int16_t height, const char* title, uint8_t minimiseOnDeactivate,
                   const DRIVE_PATH& fontDirectory);
  void CloseGraphics();
  void Present();
  void PumpMessages();
  // After a pump that found no input, and with no work due, waits briefly for
  // the next message so that an idle program does not spin.
  void WaitWhileIdle();

  // The registered instance, or null.
  static QVIO* instance();

 protected:
  // OpenGraphics records the size of the frame it opens; a screen that lays
  // out its own frame (the renderer's tests) records it here.
  void setFrameSize(int16_t width, int16_t height) {
    width_ = width;
    height_ = height;
  }

 private:
  int16_t width_ = 0;
  int16_t height_ = 0;
  uint8_t minimiseOnDeactivate_ = 0;
};

// What the entry point received, kept for the window class, the cursors and
// the recognition of the packer switch.
void storeProgramStart(void* programInstance, const char* commandLine);
void* ProgramInstance();
const char* CommandLine();
