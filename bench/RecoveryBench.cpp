#include "BenchMain.h"
#include "BenchScene.h"
#include "core/io/ProjectFile.h"
#include "core/io/RecoveryStore.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// What a recovery copy costs the editor's thread: the project serialised into memory. The disk
// work runs on the store's own thread.
// Arguments: objects, frames (a keyframe of each object every tenth frame).
static void BM_RecoverySnapshot(benchmark::State& state) {
    TProject project =
        KeyedProject(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ProjectFileBytes(project));
}
BENCHMARK(BM_RecoverySnapshot)->Args({1000, 1})->Args({1000, 50})->Unit(benchmark::kMillisecond);

// The whole copy, snapshot and write, as the worker completes it.
static void BM_RecoveryCopyWritten(benchmark::State& state) {
    TProject project = KeyedProject(static_cast<int>(state.range(0)), 50);
    QTemporaryDir folder;
    TRecoveryStore store(folder.path());
    for (auto _ : state) {
        store.Write(ProjectFileBytes(project), QString());
        store.WaitForWrites();
    }
    store.Remove();
}
BENCHMARK(BM_RecoveryCopyWritten)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
