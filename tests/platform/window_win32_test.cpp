#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "font_files.h"
#include "framework/application.h"
#include "platform/input_state.h"
#include "platform/keyboard.h"
#include "platform/mouse.h"
#include "platform/qvio.h"
#include "render/frame_buffer.h"

// The real window under the real window system: what the user sees.
namespace {

struct Screen : QVIO {
  bool Redraw() override {
    ++redraws;
    return true;
  }
  bool Step() override { return true; }
  int redraws = 0;
};

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
    input = InputState{};
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
  Screen screen_;
  HWND window_ = nullptr;
};

TEST_F(Win32WindowTest, TheWindowHasItsClassStyleTitleSizeIconsAndCursor) {
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
  HINSTANCE self = GetModuleHandleA(nullptr);
  for (const char* name : {"IDC_STD", "IDC_HAND"}) EXPECT_NE(LoadCursorA(self, name), nullptr);
  MOUSE mouse;
  EXPECT_EQ(GetCursor(), LoadCursorA(self, "IDC_FOOTIE"));
}

TEST_F(Win32WindowTest, EveryPresentedPixelShowsItsFiveBitChannels) {
  for (int y = 0; y < 350; ++y)
    for (int x = 0; x < 550; ++x) *framePixel(x, y) = patternPixel(x, y);
  frame.dirty = DirtyRect{0, 549, 0, 349};
  screen_.Present();
  const std::vector<uint32_t> shown = readClientArea(window_, 550, 350);
  int wrong = 0;
  for (int i = 0; i < 550 * 350; ++i)
    wrong += colourBits(shown[static_cast<size_t>(i)]) != onScreen(patternPixel(i % 550, i / 550));
  EXPECT_EQ(wrong, 0);

  // One pixel: the rectangle's rows are counted from the bottom by the
  // platform, so a wrong source row shows here at once.
  *framePixel(300, 40) = 0x7FFF;
  *framePixel(301, 40) = 0x7FFF;
  frame.dirty = DirtyRect{300, 300, 40, 40};
  screen_.Present();
  const std::vector<uint32_t> after = readClientArea(window_, 550, 350);
  EXPECT_EQ(colourBits(after[40 * 550 + 300]), 0xF8F8F8u);
  EXPECT_EQ(colourBits(after[40 * 550 + 301]), onScreen(patternPixel(301, 40)));
  EXPECT_EQ(colourBits(after[39 * 550 + 300]), onScreen(patternPixel(300, 39)));
}

TEST_F(Win32WindowTest, TheWindowProcedureRecordsInputAndTheCloseRequest) {
  MOUSE mouse;
  KEYBOARD keyboard;
  send(WM_KEYDOWN, 0x41, 0);
  send(WM_CHAR, 0x161, 0);
  send(WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(-5), 300));
  send(WM_LBUTTONDOWN, MK_LBUTTON, 0);
  send(WM_RBUTTONDOWN, MK_RBUTTON, 0);
  EXPECT_EQ(input.keyCode, 0x41);
  EXPECT_EQ(input.character, 0x61);
  EXPECT_EQ(input.x, -5);
  EXPECT_EQ(input.y, 300);
  EXPECT_EQ(input.rightButton, 1);
  send(WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(input.leftButton, 0);

  const int redraws = screen_.redraws;
  send(WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(screen_.redraws, redraws + 1);
  EXPECT_EQ(input.keyCode + input.rightButton, 0);

  send(WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box and Alt+F4
  EXPECT_EQ(input.quit, 1);
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(Win32WindowTest, ThePumpTakesAQuitMessageWithoutEffect) {
  PostQuitMessage(0);
  PostMessageA(window_, WM_KEYDOWN, 13, 0);
  screen_.PumpMessages();
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(input.keyCode, 13);
  EXPECT_EQ(input.quit, 0);
}

TEST_F(Win32WindowTest, OpeningAgainReshapesTheSameWindowAndClosingDestroysIt) {
  ASSERT_EQ(screen_.OpenGraphics(400, 300, "Tarvex League 3 Update", 0, fonts_.path), 0);
  EXPECT_EQ(FindWindowA("main", nullptr), window_);
  RECT client = {};
  GetClientRect(window_, &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
  screen_.CloseGraphics();
  EXPECT_FALSE(IsWindow(window_));
}

}  // namespace
