// Cost of one status text in screen font 8, as the tip calculation draws it
// for every candidate row.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/application.h"
#include "platform/surface.h"

namespace {

using vorlanz::platform::Surface;

void BM_StatusTextOpaque(benchmark::State& state) {
  Surface surface(788, 435);
  surface.SetFont(8);
  surface.SetTextColour({0, 0, 0});
  surface.SetBackColour({192, 192, 192});
  surface.Text(64, 380, "STATUS: F=5 ");  // builds the glyph cache
  for (auto _ : state) {
    surface.Text(64, 380, "STATUS: F=5 ");
    benchmark::DoNotOptimize(surface.bits());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StatusTextOpaque);

void BM_StatusTextTransparent(benchmark::State& state) {
  Surface surface(788, 435);
  surface.SetOpaque(false);
  surface.Text(64, 380, "STATUS: F=5 ");
  for (auto _ : state) {
    surface.Text(64, 380, "STATUS: F=5 ");
    benchmark::DoNotOptimize(surface.bits());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StatusTextTransparent);

void BM_UmlautTextOpaque(benchmark::State& state) {
  Surface surface(788, 435);
  surface.Text(64, 337, "GÜTE:   3");
  for (auto _ : state) {
    surface.Text(64, 337, "GÜTE:   3");
    benchmark::DoNotOptimize(surface.bits());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_UmlautTextOpaque);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  vorlanz::platform::Application application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
