// The portable side of presenting, against the headless screen: the cost the
// program adds to the platform's copy.
#include <benchmark/benchmark.h>

#include "archive/drive_path.h"
#include "render/frame_buffer.h"
#include "screen/qvio.h"

namespace {

struct Screen : QVIO {
  bool Redraw() override { return true; }
  bool Step() override { return true; }
};

void presentRepeatedly(benchmark::State& state, DirtyRect rectangle) {
  Screen screen;
  // Fonts are not needed to present: a missing one leaves the frame open.
  screen.OpenGraphics(550, 350, "Present", 0, DRIVE_PATH());
  if (!isFrameReady(screen.frame())) {
    state.SkipWithError("the frame could not be opened");
    return;
  }
  for (auto _ : state) {
    screen.frame().dirty = rectangle;
    screen.Present();
  }
  state.SetItemsProcessed(state.iterations() * (rectangle.right - rectangle.left + 1) *
                          (rectangle.bottom - rectangle.top + 1));
}

void BM_PresentFullFrame(benchmark::State& state) {
  presentRepeatedly(state, DirtyRect{0, 549, 0, 349});
}
BENCHMARK(BM_PresentFullFrame);

void BM_PresentLabel(benchmark::State& state) {
  presentRepeatedly(state, DirtyRect{200, 279, 300, 319});
}
BENCHMARK(BM_PresentLabel);

}  // namespace

BENCHMARK_MAIN();
