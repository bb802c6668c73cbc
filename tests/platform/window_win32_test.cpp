#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "font_files.h"
#include "framework/application.h"
#include "render/frame_buffer.h"
#include "screen/keyboard.h"
#include "screen/mouse.h"
#include "support/test_screen.h"

// The real window under the real window system: what the user sees.
namespace {

uint16_t patternPixel(int x, int y) {
  // Every 5-bit level in every channel, and the unused top bit now and then.
  return static_cast<uint16_t>(x * 59 + y * 1021 + (y & 1) * 0x8000);
}

uint32_t onScreen(uint16_t pixel) {
  return ((pixel >> 10) & 31u) << 19 | ((pixel >> 5) & 31u) << 11 | (pixel & 31u) << 3;
}

// The system may fill the three low bits of each channel (Wine repeats the
// high bits there); the five that carry the colour must be exact.
uint32_t colourBits(uint32_t shown) {
  return shown & 0xF8F8F8u;
}

// The client area as the window's device context holds it, 0xRRGGBB.
std::vector<uint32_t> readClientArea(HWND window, int width, int height) {
  GdiFlush();
  HDC windowContext = GetDC(window);
  HDC memory = CreateCompatibleDC(windowContext);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, windowContext, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  std::memcpy(pixels.data(), bits, pixels.size() * 4);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, windowContext);
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

  std::vector<std::tuple<int, int>> readKeys(KEYBOARD& keyboard) {
    std::vector<std::tuple<int, int>> presses;
    uint8_t character = 0;
    LogicalKey key = KEY_NONE;
    while (keyboard.ReadKey(character, key)) presses.emplace_back(key, character);
    return presses;
  }

  FontFolder fonts_;
  TApplication application_{"Quorvane Studios Ltd", GetModuleHandleA(nullptr), nullptr, "", 0};
  TestScreen screen_;
  FrameBuffer& frame = screen_.frame();
  HWND window_ = nullptr;
};

TEST_F(Win32WindowTest, TheWindowHasItsClassStyleTitleSizeIconsAndCursorUntilClosed) {
  char text[64] = {};
  GetClassNameA(window_, text, sizeof(text));
  EXPECT_STREQ(text, "main");
  GetWindowTextA(window_, text, sizeof(text));
  EXPECT_STREQ(text, "Tarvex League 3 Update");
  const LONG style = GetWindowLongA(window_, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_TRUE(IsWindowVisible(window_));
  RECT client = {};
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right - client.left, 550);
  EXPECT_EQ(client.bottom - client.top, 350);
  EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_SMALL, 0), 0);
  MOUSE mouse(screen_.input());
  EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleA(nullptr), "IDC_FOOTIE"));

  // Opening again reshapes the same window; closing destroys it.
  ASSERT_EQ(screen_.OpenGraphics(400, 300, "Tarvex League 3 Update", 0, fonts_.path), 0);
  EXPECT_EQ(FindWindowA("main", nullptr), window_);
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
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
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) *framePixel(frame, x, y) = patternPixel(x, y);
    screen_.Present();
    const std::vector<uint32_t> shown = readClientArea(window_, clientWidth, height * scale);
    int wrong = 0;
    for (int i = 0; i < clientWidth * height * scale; ++i)
      wrong += colourBits(shown[static_cast<size_t>(i)]) !=
               onScreen(patternPixel(i % clientWidth / scale, i / clientWidth / scale));
    EXPECT_EQ(wrong, 0) << "at " << scale;

    // One pixel: the rectangle's rows are counted from the bottom by the
    // platform, so a wrong source row shows here at once.
    *framePixel(frame, 200, 40) = 0x7FFF;
    *framePixel(frame, 201, 40) = 0x7FFF;
    frame.dirty = DirtyRect{200, 200, 40, 40};
    screen_.Present();
    const std::vector<uint32_t> after = readClientArea(window_, clientWidth, height * scale);
    const auto at = [&](int x, int y) { return colourBits(after[y * clientWidth + x]); };
    EXPECT_EQ(at(201 * scale - 1, 41 * scale - 1), 0xF8F8F8u);
    EXPECT_EQ(at(201 * scale, 40 * scale), onScreen(patternPixel(201, 40)));
    EXPECT_EQ(at(200 * scale, 40 * scale - 1), onScreen(patternPixel(200, 39)));
  }
}

// Virtual keys become the installer's keys by their low 16 bits; characters
// are one byte of the code page and join the key that typed them.
TEST_F(Win32WindowTest, TheWindowDecodesInputAndTheCloseRequest) {
  MOUSE mouse(screen_.input());
  KEYBOARD keyboard(screen_.input());
  send(WM_KEYDOWN, 0x41, 0);
  send(WM_CHAR, 0x161, 0);
  send(WM_KEYDOWN, 0x10000 + VK_ESCAPE, 0);
  send(WM_KEYDOWN, VK_F9, 0);
  send(WM_KEYDOWN, VK_HOME, 0);
  for (const WPARAM key : {VK_UP, VK_DOWN, VK_SPACE, VK_TAB}) send(WM_KEYDOWN, key, 0);
  BYTE keyState[256] = {};
  keyState[VK_SHIFT] = 0x80;
  SetKeyboardState(keyState);
  send(WM_KEYDOWN, VK_TAB, 0);
  keyState[VK_SHIFT] = 0;
  SetKeyboardState(keyState);
  EXPECT_EQ(readKeys(keyboard), (std::vector<std::tuple<int, int>>{{KEY_NONE, 0x61},
                                                                   {KEY_ESCAPE, 0},
                                                                   {KEY_F9, 0},
                                                                   {KEY_NONE, 0},
                                                                   {KEY_UP, 0},
                                                                   {KEY_DOWN, 0},
                                                                   {KEY_SPACE, 0},
                                                                   {KEY_TAB, 0},
                                                                   {KEY_SHIFT_TAB, 0}}));

  send(WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(-5), 300));
  send(WM_RBUTTONDOWN, MK_RBUTTON, 0);
  screen_.input().nextTurn();
  EXPECT_EQ(screen_.input().x(), -5);
  EXPECT_EQ(screen_.input().y(), 300);
  EXPECT_TRUE(screen_.input().rightButton());

  send(WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box and Alt+F4
  EXPECT_TRUE(screen_.quitRequested());
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(Win32WindowTest, ThePumpTakesAQuitMessageWithoutEffect) {
  KEYBOARD keyboard(screen_.input());
  PostQuitMessage(0);
  PostMessageA(window_, WM_KEYDOWN, VK_RETURN, 0);
  screen_.PumpMessages();
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
  // Translated on its way, the key brings its character along.
  EXPECT_EQ(readKeys(keyboard), (std::vector<std::tuple<int, int>>{{KEY_RETURN, 13}}));
  EXPECT_FALSE(screen_.quitRequested());
}

}  // namespace
