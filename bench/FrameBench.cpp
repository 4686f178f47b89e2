#include "core/model/Frame.h"
#include "core/model/Project.h"

#include <benchmark/benchmark.h>

namespace {
// Creating and freeing the frame sequence happens on every new project and resize.
void BM_CreateFrames(benchmark::State& state) {
    TProject project;
    for (auto _ : state) {
        CreateFrames(project, static_cast<std::int32_t>(state.range(0)));
        benchmark::DoNotOptimize(project.Frames.data());
    }
}
BENCHMARK(BM_CreateFrames)->Arg(50)->Arg(30000);
} // namespace

BENCHMARK_MAIN();
