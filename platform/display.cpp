#include <cstdlib>

#include "framework/frame_window.h"
#include "platform/display_state.h"
#include "platform/qvio.h"
#include "platform/window.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/primitives.h"
#include "render/status.h"

DisplayState display;

namespace {

// The icon group that the title bar and the task bar show.
constexpr int kWindowIconGroup = 2;

struct Placement {
  int x;
  int y;
  int outerWidth;
  int outerHeight;
};

// The outer size that leaves exactly width x height for the client area,
// centred on the desktop.
Placement centredPlacement(const platform::WindowMetrics& metrics, int16_t width, int16_t height) {
  Placement placement;
  placement.outerWidth = width + 2 * metrics.frameBorderWidth;
  placement.outerHeight = height + 2 * metrics.frameBorderHeight + metrics.captionHeight;
  placement.x = (metrics.desktopWidth - placement.outerWidth) / 2;
  placement.y = (metrics.desktopHeight - placement.outerHeight) / 2;
  return placement;
}

bool createDisplayWindow(int16_t width, int16_t height, const char* title) {
  platform::registerWindowClass();
  display.metrics = platform::readWindowMetrics();
  const Placement at = centredPlacement(display.metrics, width, height);
  display.window = platform::createWindow(title, at.x, at.y, at.outerWidth, at.outerHeight);
  if (display.window == nullptr) return false;
  platform::updateWindow(display.window);
  platform::showWindow(display.window);
  // Without the wrapper the window keeps the class's stock icon.
  display.frameWindow = TFrameWindow::wrap(display.window);
  if (display.frameWindow != nullptr) {
    display.frameWindow->SetIcon(kWindowIconGroup);
    display.frameWindow->SetIconSm(kWindowIconGroup);
  }
  return true;
}

void reshapeDisplayWindow(int16_t width, int16_t height) {
  platform::hideWindow(display.window);
  platform::restyleWindow(display.window);
  const Placement at = centredPlacement(display.metrics, width, height);
  platform::moveWindow(display.window, at.x, at.y, at.outerWidth, at.outerHeight);
  platform::showWindow(display.window);
}

// Loaded once: a display opened again keeps its fonts. The fonts before a
// failing one stay loaded until the display is closed.
int loadFonts(const DRIVE_PATH& directory) {
  if (fontTable != nullptr) return kStatusOk;
  const int created = createFontTable();
  if (created != kStatusOk) return created;
  for (int font = 0; font < kFontCount; ++font) {
    if (fontTable->slots[font] != nullptr) continue;
    const int status = loadFont(directory, font);
    if (status != kStatusOk) return status;
  }
  return kStatusOk;
}

void freePixels() {
  std::free(frame.pixels);
  frame.pixels = nullptr;
}

}  // namespace

int QVIO::OpenGraphics(int16_t width, int16_t height, const char* title,
                       uint8_t minimiseOnDeactivate, const DRIVE_PATH& fontDirectory) {
  frame.opening = 1;
  if (display.window == nullptr) {
    if (!createDisplayWindow(width, height, title)) return kStatusWindowNotCreated;
  } else {
    reshapeDisplayWindow(width, height);
  }
  freePixels();
  // A rectangle left over from the previous size could reach past the new
  // array; the clear below marks the whole new frame anyway.
  frame.dirty.clear();
  if (width <= 0 || height <= 0) return kStatusFrameNotAllocated;
  frame.pitch = framePitchFor(width);
  // Zeroed, because the clear below fills all but the right column and the
  // bottom row, which would otherwise show whatever the memory held.
  frame.pixels = static_cast<uint16_t*>(
      std::calloc(static_cast<size_t>(height), static_cast<size_t>(frame.pitch)));
  if (frame.pixels == nullptr) return kStatusFrameNotAllocated;
  width_ = width;
  height_ = height;
  minimiseOnDeactivate_ = minimiseOnDeactivate;
  frame.opening = 0;
  Present();
  drawRect(0, 0, static_cast<int16_t>(width - 1), static_cast<int16_t>(height - 1), kShapeFilled,
           0);
  return loadFonts(fontDirectory);
}

void QVIO::CloseGraphics() {
  platform::hideWindow(display.window);
  delete display.frameWindow;
  display.frameWindow = nullptr;
  if (display.window != nullptr) {
    platform::destroyWindow(display.window);
    display.window = nullptr;
  }
  freePixels();
  releaseFontTable();
}

void QVIO::Present() {
  const DirtyRect dirty = frame.dirty;
  if (dirty.isEmpty() || frame.pixels == nullptr) return;
  // Without a window the platform would draw onto the whole desktop.
  if (display.window != nullptr) {
    platform::Presentation copy;
    copy.pixels = frame.pixels;
    copy.pitch = frame.pitch;
    copy.imageWidth = width_;
    copy.imageHeight = height_;
    copy.destX = dirty.left;
    copy.destY = dirty.top;
    copy.width = static_cast<int16_t>(dirty.right - dirty.left + 1);
    copy.height = static_cast<int16_t>(dirty.bottom - dirty.top + 1);
    copy.sourceX = dirty.left;
    copy.sourceY = static_cast<int16_t>(height_ - 1 - dirty.bottom);
    platform::presentImage(display.window, copy);
  }
  frame.dirty.clear();
}

void QVIO::SetTitle(const char* title) {
  if (display.window != nullptr) platform::setWindowTitle(display.window, title);
}
