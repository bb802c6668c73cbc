// The renderer's costs on the wizard's 550 x 350 frame. The wizard-page case
// also reports its time as a multiple of one memset of the whole frame,
// measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "archive/drive_path.h"
#include "render/font.h"
#include "render/frame_buffer.h"
#include "render/text.h"
#include "scenes/scenes.h"
#include "support/test_frame.h"

namespace {

class Fixture {
 public:
  Fixture() {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(TX3_FONT_FOLDER);
    DRIVE_PATH folder;
    folder.setToCurrentDirectory();
    for (int font = 0; font < kFontCount; ++font) loadFont(fonts, folder, font);
    std::filesystem::current_path(previous);
    frame.fonts = &fonts;
  }

  void clearFrame() {
    std::memset(frame.pixels, 0, static_cast<size_t>(frame.pitch) * frame.height);
    benchmark::ClobberMemory();
  }

  FontTable fonts;
  TestFrame frame;
};

void BM_MemsetFrame(benchmark::State& state) {
  Fixture fixture;
  for (auto _ : state) fixture.clearFrame();
}
BENCHMARK(BM_MemsetFrame);

void BM_Gradient(benchmark::State& state) {
  Fixture fixture;
  for (auto _ : state) {
    drawGradient(fixture.frame);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Gradient);

void BM_TextLine(benchmark::State& state) {
  Fixture fixture;
  const char* line = "Click 'Next' to install the update now.!";  // 40 characters
  for (auto _ : state) {
    drawText(fixture.frame, 10, 100, kFontBody, 0, line);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TextLine);

template <typename Work>
double secondsPerRun(Work work, int runs) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

void BM_WizardPage(benchmark::State& state) {
  Fixture fixture;
  double sceneSeconds = 0;
  int64_t scenes = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    drawWizardScene(fixture.frame);
    benchmark::ClobberMemory();
    sceneSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ++scenes;
  }
  const double memsetSeconds = secondsPerRun([&fixture] { fixture.clearFrame(); }, 2000);
  state.counters["memset_ns"] = memsetSeconds * 1e9;
  state.counters["x_memset"] = sceneSeconds / static_cast<double>(scenes) / memsetSeconds;
}
BENCHMARK(BM_WizardPage);

}  // namespace

BENCHMARK_MAIN();
