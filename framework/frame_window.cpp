#include "framework/frame_window.h"

#include <new>

#include "framework/application.h"

TFrameWindow* TFrameWindow::wrap(platform::WindowHandle window) {
  return new (std::nothrow) TFrameWindow(window);
}

TFrameWindow::TFrameWindow(platform::WindowHandle window) : window_(window) {}

TFrameWindow::~TFrameWindow() {
  if (largeIcon_ != nullptr)
    platform::releaseWindowIcon(window_, largeIcon_, platform::IconSize::large);
  if (smallIcon_ != nullptr)
    platform::releaseWindowIcon(window_, smallIcon_, platform::IconSize::small);
}

void TFrameWindow::SetIcon(int resourceId) {
  replaceIcon(largeIcon_, resourceId, platform::IconSize::large);
}

void TFrameWindow::SetIconSm(int resourceId) {
  replaceIcon(smallIcon_, resourceId, platform::IconSize::small);
}

void TFrameWindow::replaceIcon(platform::IconHandle& icon, int resourceId,
                               platform::IconSize size) {
  const TApplication* application = TApplication::current();
  void* module = application != nullptr ? application->module() : nullptr;
  platform::IconHandle loaded = platform::setWindowIcon(window_, module, resourceId, size);
  if (loaded == nullptr) return;
  if (icon != nullptr) platform::releaseWindowIcon(window_, icon, size);
  icon = loaded;
}
