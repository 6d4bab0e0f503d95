#pragma once

// The main() of the benchmarks that draw: a GUI application object for the
// fonts and the headless platform installed as the current one.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/application.h"
#include "platform/headless.h"

namespace vorlanz {

inline int RunHeadlessBenchmarks(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  platform::Application application(argc, argv);
  platform::HeadlessPlatform headless;
  platform::Install(&headless);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  platform::Install(nullptr);
  return 0;
}

}  // namespace vorlanz
