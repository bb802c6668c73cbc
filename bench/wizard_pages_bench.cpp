// What a page costs: a Redraw draws the whole frame, and the window procedure
// asks for one on every paint and activation.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/tx3inst.h"
#include "app/wizard_control.h"
#include "app/wizard_page.h"

namespace {

void redrawRepeatedly(benchmark::State& state, int16_t page) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::path(TX3_SOURCE_DIR) / "data" / "fonts");
  {
    TX3INST wizard;
    std::filesystem::current_path(previous);
    if (wizard.quit) {
      state.SkipWithError("the wizard could not open its frame and fonts");
      return;
    }
    wizard.page = page;
    for (auto _ : state) wizard.Redraw();
  }
}

void BM_RedrawLanguagePage(benchmark::State& state) {
  redrawRepeatedly(state, PAGE_LANGUAGE);
}
BENCHMARK(BM_RedrawLanguagePage);

void BM_RedrawVersionsPage(benchmark::State& state) {
  redrawRepeatedly(state, PAGE_VERSIONS);
}
BENCHMARK(BM_RedrawVersionsPage);

void BM_RedrawQuickStartPage(benchmark::State& state) {
  redrawRepeatedly(state, PAGE_QUICKSTART);
}
BENCHMARK(BM_RedrawQuickStartPage);

}  // namespace

BENCHMARK_MAIN();
