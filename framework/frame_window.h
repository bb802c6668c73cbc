#pragma once

#include "platform/window_icon.h"

// The framework's frame window, wrapped around a window that exists already.
// It owns the icons it gives the window, not the window itself: destroying
// the wrapper leaves the window as it is.
class TFrameWindow {
 public:
  // Resources come from the application's module; null when the wrapper
  // could not be allocated.
  static TFrameWindow* wrap(platform::WindowHandle window);

  explicit TFrameWindow(platform::WindowHandle window);
  virtual ~TFrameWindow();
  TFrameWindow(const TFrameWindow&) = delete;
  TFrameWindow& operator=(const TFrameWindow&) = delete;

  // The title bar's icon and the task bar's, from an icon group resource.
  void SetIcon(int resourceId);
  void SetIconSm(int resourceId);

 private:
  void replaceIcon(platform::IconHandle& icon, int resourceId, platform::IconSize size);

  platform::WindowHandle window_;
  platform::IconHandle largeIcon_ = nullptr;
  platform::IconHandle smallIcon_ = nullptr;
};
