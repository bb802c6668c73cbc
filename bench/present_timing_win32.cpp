// How long presenting the frame takes on the real window system: the whole
// frame, and the rectangle of a button's label, at the scale of the display
// the window opened on.
#include <windows.h>

#include <cstdio>

#include "archive/drive_path.h"
#include "render/frame_buffer.h"
#include "screen/qvio.h"

namespace {

struct Screen : QVIO {
  bool Redraw() override { return true; }
  bool Step() override { return true; }
};

double microsecondsPerPresent(Screen& screen, DirtyRect rectangle, int rounds) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int round = 0; round < rounds; ++round) {
    screen.frame().dirty = rectangle;
    screen.Present();
  }
  GdiFlush();
  QueryPerformanceCounter(&end);
  return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart) / rounds;
}

}  // namespace

int main() {
  storeProgramStart(GetModuleHandleA(nullptr), "");
  Screen screen;
  // Fonts are not needed to present: a missing one leaves the frame open.
  screen.OpenGraphics(550, 350, "Present timing", 0, DRIVE_PATH());
  FrameBuffer& frame = screen.frame();
  if (!isFrameReady(frame)) {
    std::printf("the frame could not be opened\n");
    return 1;
  }
  for (int y = 0; y < 350; ++y)
    for (int x = 0; x < 550; ++x)
      *framePixel(frame, x, y) = static_cast<uint16_t>(x * 59 + y * 1021);
  screen.PumpMessages();
  constexpr int kRounds = 2000;
  microsecondsPerPresent(screen, DirtyRect{0, 549, 0, 349}, 100);  // warm up
  const double full = microsecondsPerPresent(screen, DirtyRect{0, 549, 0, 349}, kRounds);
  const double label = microsecondsPerPresent(screen, DirtyRect{200, 279, 300, 319}, kRounds);
  std::printf("Present 550x350 at scale %d: %.1f us\nPresent 80x20 at scale %d: %.1f us\n",
              screen.displayScale(), full, screen.displayScale(), label);
  return 0;
}
