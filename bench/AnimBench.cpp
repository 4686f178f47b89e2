#include "BenchMain.h"
#include "BenchScene.h"
#include "core/anim/Anim.h"
#include "core/anim/RenderFrame.h"
#include "core/export/BmpFile.h"
#include "core/export/ImageSeries.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

TKeySearch SearchOf(const benchmark::State& state) {
    return state.range(2) == 0 ? TKeySearch::Indexed : TKeySearch::Plain;
}

// Walks the frames in steps of 7, so keyframes and in-between frames take their turns.
int NextFrame(int frame, int frames) {
    return 1 + (frame - 1 + 7) % (frames - 1);
}

void BM_BuildFrame(benchmark::State& state) {
    TProject project =
        KeyedProject(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const TKeySearch search = SearchOf(state);
    int frame = 1;
    for (auto _ : state) {
        BuildFrame(project, frame, search);
        // Leaving the frame is not part of building it.
        state.PauseTiming();
        StripFrame(*project.Frames[static_cast<std::size_t>(frame)]);
        frame = NextFrame(frame, project.FrameCount);
        state.ResumeTiming();
    }
}

// The same frames built into lists of their own from the unchanged project, as rendering does;
// freeing each list counts too.
void BM_BuildFrameObjects(benchmark::State& state) {
    const TProject project =
        KeyedProject(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const TKeySearch search = SearchOf(state);
    int frame = 1;
    for (auto _ : state) {
        TObjectList objects = BuildFrameObjects(project, frame, search);
        benchmark::DoNotOptimize(objects);
        frame = NextFrame(frame, project.FrameCount);
    }
}

// Frame after frame on the calling thread, as a plain export loop would.
void BM_RenderFrameToBmp(benchmark::State& state) {
    TProject project =
        KeyedProject(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), false);
    const TKeySearch search = SearchOf(state);
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("frame.bmp"));
    QImage bitmap;
    int frame = 1;
    for (auto _ : state) {
        RenderFrame(project, frame, bitmap, search);
        SaveBmpFile(bitmap, file);
        frame = NextFrame(frame, project.FrameCount);
    }
}

// The export target: 100 frames of 200 moving, opaque polygons as a BMP series, outlined as
// wide as the argument says.
void BM_ExportBmpSeries(benchmark::State& state) {
    TProject project = KeyedProject(200, 100, false, static_cast<int>(state.range(0)));
    const QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("walk.bmp"));
    for (auto _ : state)
        ExportImageSeries(project, name, TSeriesFormat::Bmp, 0, project.FrameCount);
    state.SetItemsProcessed(state.iterations() * project.FrameCount);
}

void Sizes(benchmark::internal::Benchmark* bench) {
    for (const int search : {0, 1})
        for (const auto& [objects, frames] : {std::pair{100, 100}, std::pair{1000, 100},
                                              std::pair{100, 1000}, std::pair{1000, 1000}})
            bench->Args({objects, frames, search});
    bench->ArgNames({"objects", "frames", "plain"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_BuildFrame)->Apply(Sizes);
BENCHMARK(BM_BuildFrameObjects)->Apply(Sizes);
BENCHMARK(BM_RenderFrameToBmp)->Apply(Sizes)->Args({200, 100, 0})->Args({200, 100, 1});
BENCHMARK(BM_ExportBmpSeries)
    ->ArgName("pen")
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
