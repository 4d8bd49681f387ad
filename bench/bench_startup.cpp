// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to a painted main window with the sample open: the whole program
// run with --screenshot, which starts, opens, paints, writes the PNG and exits.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void BM_StartupWithSample(benchmark::State& state) {
    const std::string shot =
        (std::filesystem::temp_directory_path() / "cairnbook-startup.png").string();
    const std::string cmd = std::string("QT_QPA_PLATFORM=offscreen ") + CAIRNBOOK_APP +
                            " --screenshot " + shot + " " + CAIRNBOOK_SAMPLES +
                            "/sample.ckb 2>/dev/null";
    for (auto _ : state)
        if (std::system(cmd.c_str()) != 0)
            state.SkipWithError("cairnbook failed");
}
BENCHMARK(BM_StartupWithSample)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
