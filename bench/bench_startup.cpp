// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to a painted main window with the sample, and with a native file of
// a million waypoints, open: the whole program run with --screenshot, which
// starts, opens, paints, writes the picture and exits. The picture is a BMP:
// compressing a PNG (about 20 ms for the window) is no part of starting.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

void Startup(benchmark::State& state, const std::string& file) {
    const std::string shot =
        (std::filesystem::temp_directory_path() / "cairnbook-startup.bmp").string();
    const std::string cmd = std::string("QT_QPA_PLATFORM=offscreen ") + CAIRNBOOK_APP +
                            " --screenshot " + shot + " '" + file + "' 2>/dev/null";
    for (auto _ : state)
        if (std::system(cmd.c_str()) != 0)
            state.SkipWithError("cairnbook failed");
}

void BM_StartupWithSample(benchmark::State& state) {
    Startup(state, std::string(CAIRNBOOK_SAMPLES) + "/sample.ckb");
}
BENCHMARK(BM_StartupWithSample)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The data benchmarks' file (their program writes it once).
void BM_StartupWith1M(benchmark::State& state) {
    std::FILE* files = popen(CAIRNBOOK_BENCH_DATA " --write-files", "r");
    char path[4096] = {};
    const bool got = files && std::fgets(path, sizeof path, files);
    if (files)
        pclose(files);
    if (!got) {
        state.SkipWithError("the benchmark files could not be written");
        return;
    }
    Startup(state, std::string(path, std::strcspn(path, "\n")));
}
BENCHMARK(BM_StartupWith1M)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
