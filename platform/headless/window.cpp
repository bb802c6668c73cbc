#include "platform/headless/window.h"

#include <deque>
#include <functional>
#include <vector>

#include "platform/window.h"
#include "platform/window_icon.h"

namespace {

constexpr uint32_t kNeverPresented = 0xFF00FF;

struct Desktop {
  headless::WindowRecord window;
  int classRegistrations = 0;
  int windowsCreated = 0;
  bool failCreation = false;
  int screenWidth = 0;
  int screenHeight = 0;
  std::vector<uint32_t> screen;
  int presentations = 0;
  int lastPresentedArea = 0;
  std::deque<std::function<void(platform::WindowEvents&)>> queue;
  platform::WindowEvents* listener = nullptr;
  int idleWaits = 0;
  int dpi = 96;
  int frameBorder = headless::kFrameBorder;
  int captionHeight = headless::kCaptionHeight;
};
Desktop desktop;

// The one window there is; its handle only has to be non-null.
platform::WindowHandle theWindow() {
  return &desktop.window;
}

void place(int x, int y, int outerWidth, int outerHeight) {
  desktop.window.x = x;
  desktop.window.y = y;
  desktop.window.outerWidth = outerWidth;
  desktop.window.outerHeight = outerHeight;
  desktop.screenWidth = outerWidth - 2 * desktop.frameBorder;
  desktop.screenHeight = outerHeight - 2 * desktop.frameBorder - desktop.captionHeight;
  if (desktop.screenWidth < 0) desktop.screenWidth = 0;
  if (desktop.screenHeight < 0) desktop.screenHeight = 0;
  desktop.screen.assign(static_cast<size_t>(desktop.screenWidth) * desktop.screenHeight,
                        kNeverPresented);
}

// What a 5-5-5 pixel looks like on a true-colour screen.
uint32_t screenColour(uint16_t pixel) {
  const uint32_t red = (pixel >> 10) & 31;
  const uint32_t green = (pixel >> 5) & 31;
  const uint32_t blue = pixel & 31;
  return (red << 19) | (green << 11) | (blue << 3);
}

void post(std::function<void(platform::WindowEvents&)> message) {
  desktop.queue.push_back(std::move(message));
}

}  // namespace

namespace platform {

void rememberProgramInstance(void*) {}

void registerWindowClass() {
  ++desktop.classRegistrations;
}

WindowMetrics readWindowMetrics() {
  WindowMetrics metrics;
  metrics.frameBorderWidth = headless::kFrameBorder;
  metrics.frameBorderHeight = headless::kFrameBorder;
  metrics.captionHeight = headless::kCaptionHeight;
  metrics.desktopWidth = headless::kDesktopWidth;
  metrics.desktopHeight = headless::kDesktopHeight;
  return metrics;
}

WindowHandle createWindow(const char* title, int x, int y, int outerWidth, int outerHeight,
                          WindowEvents& events) {
  if (desktop.failCreation) return nullptr;
  desktop.listener = &events;
  ++desktop.windowsCreated;
  desktop.window = headless::WindowRecord{};
  desktop.window.exists = true;
  desktop.window.className = "main";
  desktop.window.title = title;
  desktop.window.style = headless::kStyleSystemMenu | headless::kStyleMinimiseBox;
  place(x, y, outerWidth, outerHeight);
  return theWindow();
}

void updateWindow(WindowHandle) {}

void showWindow(WindowHandle) {
  desktop.window.visible = true;
}

void hideWindow(WindowHandle window) {
  if (window != nullptr) desktop.window.visible = false;
}

void restyleWindow(WindowHandle) {
  desktop.window.style =
      headless::kStyleCaption | headless::kStyleSystemMenu | headless::kStyleMinimiseBox;
}

void moveWindow(WindowHandle, int x, int y, int outerWidth, int outerHeight) {
  place(x, y, outerWidth, outerHeight);
}

void destroyWindow(WindowHandle) {
  desktop.window.exists = false;
  desktop.window.visible = false;
  desktop.listener = nullptr;
}

void minimiseWindow(WindowHandle) {
  desktop.window.minimised = true;
}

void setWindowTitle(WindowHandle, const char* title) {
  desktop.window.title = title;
}

int windowDpi(WindowHandle) {
  return desktop.dpi;
}

void clientAreaSize(WindowHandle, int& width, int& height) {
  width = desktop.screenWidth;
  height = desktop.screenHeight;
}

// Each client pixel of the destination shows the source pixel it falls on,
// as the platform's stretching without filtering does; clipped to the client
// area, as a real window clips what is drawn into it.
void presentImage(WindowHandle, const Presentation& copy) {
  ++desktop.presentations;
  desktop.lastPresentedArea = copy.width * copy.height;
  const int topRow = copy.imageHeight - copy.sourceY - copy.height;
  for (int row = 0; row < copy.destHeight; ++row) {
    const int screenY = copy.destY + row;
    const int sourceRow = topRow + row * copy.height / copy.destHeight;
    if (screenY < 0 || screenY >= desktop.screenHeight) continue;
    if (sourceRow < 0 || sourceRow >= copy.imageHeight) continue;
    const auto* line =
        reinterpret_cast<const uint16_t*>(reinterpret_cast<const uint8_t*>(copy.pixels) +
                                          static_cast<size_t>(sourceRow) * copy.pitch);
    for (int column = 0; column < copy.destWidth; ++column) {
      const int screenX = copy.destX + column;
      const int sourceX = copy.sourceX + column * copy.width / copy.destWidth;
      if (screenX < 0 || screenX >= desktop.screenWidth) continue;
      if (sourceX < 0 || sourceX >= copy.imageWidth) continue;
      desktop.screen[static_cast<size_t>(screenY) * desktop.screenWidth + screenX] =
          screenColour(line[sourceX]);
    }
  }
}

bool dispatchWaitingMessages() {
  const bool any = !desktop.queue.empty();
  // A message handled may post another; it waits for the next pump, as the
  // platform's queue would deliver it after the ones already waiting.
  std::deque<std::function<void(platform::WindowEvents&)>> waiting;
  waiting.swap(desktop.queue);
  // Without a window nothing receives them.
  for (auto& message : waiting)
    if (desktop.listener != nullptr) message(*desktop.listener);
  return any;
}

void waitForMessage(int) {
  ++desktop.idleWaits;
}

IconHandle setWindowIcon(WindowHandle, void*, int resourceId, IconSize size) {
  (size == IconSize::large ? desktop.window.largeIcon : desktop.window.smallIcon) = resourceId;
  return &desktop.window;
}

void releaseWindowIcon(WindowHandle, IconHandle, IconSize size) {
  (size == IconSize::large ? desktop.window.largeIcon : desktop.window.smallIcon) = 0;
}

}  // namespace platform

namespace headless {

const WindowRecord& window() {
  return desktop.window;
}
int classRegistrations() {
  return desktop.classRegistrations;
}
int windowsCreated() {
  return desktop.windowsCreated;
}
void failWindowCreation(bool fail) {
  desktop.failCreation = fail;
}

int screenWidth() {
  return desktop.screenWidth;
}
int screenHeight() {
  return desktop.screenHeight;
}
uint32_t screenPixel(int x, int y) {
  if (x < 0 || y < 0 || x >= desktop.screenWidth || y >= desktop.screenHeight) return 0;
  return desktop.screen[static_cast<size_t>(y) * desktop.screenWidth + x];
}
int presentations() {
  return desktop.presentations;
}
int lastPresentedArea() {
  return desktop.lastPresentedArea;
}

void postActivation(bool active) {
  post([active](platform::WindowEvents& events) { events.activated(active); });
}
void postPaint() {
  post([](platform::WindowEvents& events) {
    events.paint({0, 0, desktop.screenWidth, desktop.screenHeight});
  });
}
void postPaint(const platform::ClientRect& area) {
  post([area](platform::WindowEvents& events) { events.paint(area); });
}
void postClose() {
  post([](platform::WindowEvents& events) { events.closeRequested(); });
}
void postKey(LogicalKey key) {
  post([key](platform::WindowEvents& events) { events.keyPressed(key); });
}
void postCharacter(uint8_t character, bool ofKeyPress) {
  post([character, ofKeyPress](platform::WindowEvents& events) {
    events.characterTyped(character, ofKeyPress);
  });
}
void postPointer(int16_t x, int16_t y) {
  post([x, y](platform::WindowEvents& events) { events.pointerMoved(x, y); });
}
void postButton(MouseButton button, bool down) {
  post([button, down](platform::WindowEvents& events) { events.buttonChanged(button, down); });
}
void postDpiChange(int dpi, const platform::WindowPlacement& suggested) {
  desktop.dpi = dpi;
  post([dpi, suggested](platform::WindowEvents& events) { events.dpiChanged(dpi, suggested); });
}
int queuedMessages() {
  return static_cast<int>(desktop.queue.size());
}

int idleWaits() {
  return desktop.idleWaits;
}

void setDisplayDpi(int dpi) {
  desktop.dpi = dpi;
}

void setWindowBorders(int frameBorder, int captionHeight) {
  desktop.frameBorder = frameBorder;
  desktop.captionHeight = captionHeight;
}

void resetDesktop() {
  desktop = Desktop{};
}

}  // namespace headless
