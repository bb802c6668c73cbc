#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>
#include <vector>

#include "framework/application.h"
#include "render/frame_buffer.h"
#include "screen/keyboard.h"
#include "screen/mouse.h"
#include "screen_support.h"
#include "support/test_screen.h"

// The real window under the real window system: what the user sees.
namespace {

// The client area as the window's device context holds it, 0xRRGGBB. The
// system may fill the three low bits of each channel (Wine repeats the high
// bits there): only the five that carry the colour are kept.
std::vector<uint32_t> readClientArea(HWND window, int width, int height) {
  GdiFlush();
  HDC windowContext = GetDC(window);
  HDC memory = CreateCompatibleDC(windowContext);
  HBITMAP bitmap = CreateCompatibleBitmap(windowContext, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, windowContext, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, windowContext);
  for (uint32_t& pixel : pixels) pixel &= 0xF8F8F8u;
  return pixels;
}

class Win32WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    storeProgramStart(GetModuleHandleA(nullptr), "");
    ASSERT_EQ(screen_.OpenGraphics(550, 350, "Tarvex League 3 Update", 0, fonts_.path), 0);
    window_ = FindWindowA("main", nullptr);
    ASSERT_NE(window_, nullptr);
    screen_.PumpMessages();
  }

  void send(UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageA(window_, message, wParam, lParam);
  }

  FontFolder fonts_;
  TApplication application_{"Quorvane Studios Ltd", GetModuleHandleA(nullptr), nullptr, "", 0};
  TestScreen screen_;
  FrameBuffer& frame = screen_.frame();
  HWND window_ = nullptr;
};

// Found by its class "main"; its client size is read at every scale below.
TEST_F(Win32WindowTest, TheWindowHasItsStyleTitleIconsAndCursorUntilClosed) {
  char text[64] = {};
  GetWindowTextA(window_, text, sizeof(text));
  EXPECT_STREQ(text, "Tarvex League 3 Update");
  const LONG style = GetWindowLongA(window_, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_SMALL, 0), 0);
  MOUSE mouse(screen_.input());
  EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleA(nullptr), "IDC_FOOTIE"));

  // Opening again reshapes the same window; closing destroys it.
  ASSERT_EQ(screen_.OpenGraphics(400, 300, "Tarvex League 3 Update", 0, fonts_.path), 0);
  EXPECT_EQ(FindWindowA("main", nullptr), window_);
  RECT client = {};
  GetClientRect(window_, &client);
  EXPECT_EQ(std::make_tuple(client.right, client.bottom), std::make_tuple(400L, 300L));
  screen_.CloseGraphics();
  EXPECT_FALSE(IsWindow(window_));
}

// At twice the scale the system's own stretching must repeat every pixel
// exactly; the window is told of the scale as when it moves to another
// display, with a suggestion the size must not follow.
TEST_F(Win32WindowTest, EveryPresentedPixelShowsItsFiveBitChannelsAtItsScale) {
  // An odd width pads the rows; at twice the size it fits the test's screen.
  for (const auto& [width, height, scale] : {std::tuple<int16_t, int16_t, int>{550, 350, 1},
                                             std::tuple<int16_t, int16_t, int>{275, 175, 2}}) {
    ASSERT_EQ(screen_.OpenGraphics(width, height, "Tarvex League 3 Update", 0, fonts_.path), 0);
    RECT suggested = {20, 30, 20 + width, 30 + height};
    send(WM_DPICHANGED, MAKEWPARAM(96 * scale, 96 * scale), reinterpret_cast<LPARAM>(&suggested));
    const int clientWidth = width * scale;
    RECT outer = {};
    RECT client = {};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    EXPECT_EQ(std::make_tuple(outer.left, outer.top, client.right, client.bottom),
              std::make_tuple(20L, 30L, LONG{clientWidth}, LONG{height * scale}));
    fillPattern(frame, width, height);
    screen_.Present();
    const std::vector<uint32_t> shown = readClientArea(window_, clientWidth, height * scale);
    int wrong = 0;
    for (int i = 0; i < clientWidth * height * scale; ++i)
      wrong += shown[static_cast<size_t>(i)] !=
               onScreen(patternPixel(i % clientWidth / scale, i / clientWidth / scale));
    EXPECT_EQ(wrong, 0) << "at " << scale;

    // One pixel: the rectangle's rows are counted from the bottom by the
    // platform, so a wrong source row shows here at once.
    *framePixel(frame, 200, 40) = 0x7FFF;
    *framePixel(frame, 201, 40) = 0x7FFF;
    frame.dirty = DirtyRect{200, 200, 40, 40};
    screen_.Present();
    std::vector<uint32_t> after = readClientArea(window_, clientWidth, height * scale);
    const auto at = [&](int x, int y) { return after[y * clientWidth + x]; };
    EXPECT_EQ(at(201 * scale - 1, 41 * scale - 1), 0xF8F8F8u);
    EXPECT_EQ(at(201 * scale, 40 * scale), onScreen(patternPixel(201, 40)));
    EXPECT_EQ(at(200 * scale, 40 * scale - 1), onScreen(patternPixel(200, 39)));

    // Uncovered, the window shows the frame at once: no turn presents it
    // behind a message box or while the window is dragged.
    *framePixel(frame, 100, 30) = 0x7C00;
    const RECT uncovered = {100 * scale, 30 * scale, 101 * scale, 31 * scale};
    InvalidateRect(window_, &uncovered, FALSE);
    UpdateWindow(window_);
    after = readClientArea(window_, clientWidth, height * scale);
    EXPECT_EQ(at(100 * scale, 30 * scale), 0xF80000u);
  }
}

// Virtual keys become the installer's keys by their low 16 bits; characters
// are one byte of the code page and join the key that typed them, unless
// another key message came between, as Alt and the keypad type one. A quit
// message in the queue is taken without effect.
TEST_F(Win32WindowTest, TheWindowDecodesInputAndTheCloseRequestButNotAQuitMessage) {
  MOUSE mouse(screen_.input());
  KEYBOARD keyboard(screen_.input());
  PostQuitMessage(0);
  PostMessageA(window_, WM_KEYDOWN, VK_RETURN, 0);
  screen_.PumpMessages();
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_FALSE(screen_.quitRequested());

  send(WM_KEYDOWN, 0x41, 0);
  send(WM_CHAR, 0x161, 0);
  send(WM_KEYDOWN, VK_LEFT, 0);
  send(WM_KEYUP, VK_LEFT, 0);
  send(WM_CHAR, 0xE9, 0);
  send(WM_KEYDOWN, 0x10000 + VK_ESCAPE, 0);
  for (const WPARAM key : {VK_F9, VK_HOME, VK_UP, VK_DOWN, VK_SPACE, VK_TAB})
    send(WM_KEYDOWN, key, 0);
  BYTE keyState[256] = {};
  keyState[VK_SHIFT] = 0x80;
  SetKeyboardState(keyState);
  send(WM_KEYDOWN, VK_TAB, 0);
  keyState[VK_SHIFT] = 0;
  SetKeyboardState(keyState);
  // Translated on its way through the pump, Return brought its character.
  const std::vector<Press> decoded = {{KEY_RETURN, 13}, {KEY_NONE, 0x61}, {KEY_LEFT, 0},
                                      {KEY_NONE, 0xE9}, {KEY_ESCAPE, 0},  {KEY_F9, 0},
                                      {KEY_NONE, 0},    {KEY_UP, 0},      {KEY_DOWN, 0},
                                      {KEY_SPACE, 0},   {KEY_TAB, 0},     {KEY_SHIFT_TAB, 0}};
  EXPECT_EQ(readKeys(keyboard), decoded);

  send(WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(-5), 300));
  send(WM_RBUTTONDOWN, MK_RBUTTON, 0);
  screen_.input().nextTurn();
  EXPECT_EQ(screen_.input().x(), -5);
  EXPECT_EQ(screen_.input().y(), 300);
  EXPECT_TRUE(screen_.input().rightButton());

  send(WM_SYSKEYDOWN, VK_F4, 1 << 29);  // Alt+F4: system keys go on to the system
  screen_.PumpMessages();
  EXPECT_TRUE(screen_.quitRequested());
  EXPECT_TRUE(IsWindow(window_));
}

}  // namespace
