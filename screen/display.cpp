#include "screen/qvio.h"

#include <new>

#include "framework/frame_window.h"
#include "platform/accessibility.h"
#include "platform/window.h"
#include "render/font.h"
#include "render/primitives.h"
#include "render/status.h"
#include "screen/display_scale.h"

namespace {

// The icon group that the title bar and the task bar show.
constexpr int kWindowIconGroup = 2;

// The outer size that leaves exactly clientWidth x clientHeight for the
// client area, centred on the desktop.
platform::WindowPlacement centredPlacement(const platform::WindowMetrics& metrics, int clientWidth,
                                           int clientHeight) {
  platform::WindowPlacement placement;
  placement.outerWidth = clientWidth + 2 * metrics.frameBorderWidth;
  placement.outerHeight = clientHeight + 2 * metrics.frameBorderHeight + metrics.captionHeight;
  placement.x = (metrics.desktopWidth - placement.outerWidth) / 2;
  placement.y = (metrics.desktopHeight - placement.outerHeight) / 2;
  return placement;
}

}  // namespace

bool QVIO::createDisplayWindow(int16_t width, int16_t height, const char* title) {
  platform::registerWindowClass();
  metrics_ = platform::readWindowMetrics();
  const platform::WindowPlacement at = centredPlacement(metrics_, width, height);
  window_ = platform::createWindow(title, at.x, at.y, at.outerWidth, at.outerHeight, *this);
  if (window_ == nullptr) return false;
  platform::serveAccessibleContent(window_, this);
  // Made for a scale of 100 %; the display it opened on decides before it
  // is shown.
  scale_ = displayScaleFor(platform::windowDpi(window_));
  centreDisplayWindow(width, height);
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

void QVIO::centreDisplayWindow(int16_t width, int16_t height) {
  fitDisplayWindow(centredPlacement(metrics_, width * scale_, height * scale_), width, height);
}

// The borders the window gets may differ from the ones measured: the
// system's metrics stay those of the scale at sign-in, and the system's
// suggestion after a change of scale grows the window by the scale's
// percentage, not by whole frame pixels. So the window takes its place, then
// is sized by what its client area lacks or has too much, keeping its top
// left corner.
void QVIO::fitDisplayWindow(const platform::WindowPlacement& at, int16_t width, int16_t height) {
  platform::moveWindow(window_, at.x, at.y, at.outerWidth, at.outerHeight);
  int shownWidth = 0;
  int shownHeight = 0;
  platform::clientAreaSize(window_, shownWidth, shownHeight);
  platform::moveWindow(window_, at.x, at.y, at.outerWidth + width * scale_ - shownWidth,
                       at.outerHeight + height * scale_ - shownHeight);
}

void QVIO::reshapeDisplayWindow(int16_t width, int16_t height) {
  platform::hideWindow(window_);
  platform::restyleWindow(window_);
  centreDisplayWindow(width, height);
  platform::showWindow(window_);
}

void QVIO::dpiChanged(int dpi, const platform::WindowPlacement& suggested) {
  scale_ = displayScaleFor(dpi);
  fitDisplayWindow(suggested, frame_.width, frame_.height);
  // Nothing shown so far is at the new scale.
  frame_.dirty = DirtyRect{0, static_cast<int16_t>(frame_.width - 1), 0,
                           static_cast<int16_t>(frame_.height - 1)};
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
  drawRect(frame_, 0, 0, static_cast<int16_t>(width - 1), static_cast<int16_t>(height - 1),
           kShapeFilled, 0);
  return loadFonts(fontDirectory);
}

void QVIO::CloseGraphics() {
  platform::hideWindow(window_);
  delete frameWindow_;
  frameWindow_ = nullptr;
  if (window_ != nullptr) {
    platform::serveAccessibleContent(window_, nullptr);
    platform::destroyWindow(window_);
    window_ = nullptr;
  }
  frame_.release();
  frame_.fonts = nullptr;
  delete fonts_;
  fonts_ = nullptr;
}

void QVIO::Present() {
  if (newPage_) {
    forgetInput();
    newPage_ = false;
  }
  if (frame_.dirty.isEmpty() || frame_.pixels == nullptr) return;
  // Without a window the platform would draw onto the whole desktop.
  if (window_ != nullptr) platform::presentImage(window_, scaledPresentation(frame_, scale_));
  frame_.dirty.clear();
}

void QVIO::SetTitle(const char* title) {
  if (window_ != nullptr) platform::setWindowTitle(window_, title);
}
