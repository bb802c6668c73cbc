#include "screen/qvio.h"

#include <new>

#include "framework/frame_window.h"
#include "platform/window.h"
#include "render/font.h"
#include "render/primitives.h"
#include "render/status.h"

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

}  // namespace

bool QVIO::createDisplayWindow(int16_t width, int16_t height, const char* title) {
  platform::registerWindowClass();
  metrics_ = platform::readWindowMetrics();
  const Placement at = centredPlacement(metrics_, width, height);
  window_ = platform::createWindow(title, at.x, at.y, at.outerWidth, at.outerHeight, *this);
  if (window_ == nullptr) return false;
  platform::updateWindow(window_);
  platform::showWindow(window_);
  // Without the wrapper the window keeps the class's stock icon.
  frameWindow_ = TFrameWindow::wrap(window_);
  if (frameWindow_ != nullptr) {
    frameWindow_->SetIcon(kWindowIconGroup);
    frameWindow_->SetIconSm(kWindowIconGroup);
  }
  return true;
}

void QVIO::reshapeDisplayWindow(int16_t width, int16_t height) {
  platform::hideWindow(window_);
  platform::restyleWindow(window_);
  const Placement at = centredPlacement(metrics_, width, height);
  platform::moveWindow(window_, at.x, at.y, at.outerWidth, at.outerHeight);
  platform::showWindow(window_);
}

// Loaded once: a display opened again keeps its fonts. The fonts before a
// failing one stay loaded until the display is closed.
int QVIO::loadFonts(const DRIVE_PATH& directory) {
  if (fonts_ != nullptr) return kStatusOk;
  fonts_ = new (std::nothrow) FontTable;
  if (fonts_ == nullptr) return kStatusFontTableNotAllocated;
  frame_.fonts = fonts_;
  for (int font = 0; font < kFontCount; ++font) {
    if (fonts_->slots[font] != nullptr) continue;
    const int status = loadFont(*fonts_, directory, font);
    if (status != kStatusOk) return status;
  }
  return kStatusOk;
}

int QVIO::OpenGraphics(int16_t width, int16_t height, const char* title,
                       uint8_t minimiseOnDeactivate, const DRIVE_PATH& fontDirectory) {
  frame_.opening = 1;
  if (window_ == nullptr) {
    if (!createDisplayWindow(width, height, title)) return kStatusWindowNotCreated;
  } else {
    reshapeDisplayWindow(width, height);
  }
  if (!frame_.allocate(width, height)) return kStatusFrameNotAllocated;
  minimiseOnDeactivate_ = minimiseOnDeactivate;
  frame_.opening = 0;
  Present();
  drawRect(frame_, 0, 0, static_cast<int16_t>(width - 1), static_cast<int16_t>(height - 1),
           kShapeFilled, 0);
  return loadFonts(fontDirectory);
}

void QVIO::CloseGraphics() {
  platform::hideWindow(window_);
  delete frameWindow_;
  frameWindow_ = nullptr;
  if (window_ != nullptr) {
    platform::destroyWindow(window_);
    window_ = nullptr;
  }
  frame_.release();
  frame_.fonts = nullptr;
  delete fonts_;
  fonts_ = nullptr;
}

void QVIO::Present() {
  const DirtyRect dirty = frame_.dirty;
  if (dirty.isEmpty() || frame_.pixels == nullptr) return;
  // Without a window the platform would draw onto the whole desktop.
  if (window_ != nullptr) {
    platform::Presentation copy;
    copy.pixels = frame_.pixels;
    copy.pitch = frame_.pitch;
    copy.imageWidth = frame_.width;
    copy.imageHeight = frame_.height;
    copy.destX = dirty.left;
    copy.destY = dirty.top;
    copy.width = static_cast<int16_t>(dirty.right - dirty.left + 1);
    copy.height = static_cast<int16_t>(dirty.bottom - dirty.top + 1);
    copy.sourceX = dirty.left;
    copy.sourceY = static_cast<int16_t>(frame_.height - 1 - dirty.bottom);
    platform::presentImage(window_, copy);
  }
  frame_.dirty.clear();
}

void QVIO::SetTitle(const char* title) {
  if (window_ != nullptr) platform::setWindowTitle(window_, title);
}
