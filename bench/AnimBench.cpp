#include "core/anim/Anim.h"
#include "core/anim/RenderFrame.h"
#include "core/export/BmpFile.h"
#include "core/export/ImageSeries.h"
#include "core/objects/TypesPolygon.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int KeyStep = 10;

// Deterministic positions, so every run measures the same scene.
class TSequence {
public:
    Extended Next(int range) {
        FState = FState * 1103515245u + 12345u;
        return static_cast<Extended>((FState >> 8) % static_cast<unsigned>(range));
    }

private:
    unsigned FState = 1;
};

// A filled and outlined six-cornered polygon around (x, y), closed as the creation tool does.
std::unique_ptr<TTypesPolygon> Hexagon(Extended x, Extended y, TColor color, int penWidth) {
    TProps props;
    props.BrushColor = color;
    props.PenColor = 0x000000;
    props.PenWidth = penWidth;
    auto polygon = std::make_unique<TTypesPolygon>(nullptr, props, 1.0L);
    TPolyPointsEx points;
    for (int i = 0; i < 6; ++i)
        points.push_back({x + 40 * std::cos(i * 1.0472L), y + 40 * std::sin(i * 1.0472L)});
    polygon->SetPoints(points);
    bool flag = false;
    polygon->CreateMouseDown(TMouseButton::mbLeft, 0, 100000, 100000, flag);
    polygon->CreateMouseUp(TMouseButton::mbLeft, 0, RoundHalfEven(points[0].X),
                           RoundHalfEven(points[0].Y));
    polygon->ChangeSelection(false, false);
    return polygon;
}

// objects polygons in an 800 x 600 project of frames frames, each a keyframe of its position
// and colour, and when fading of its opacity, in every tenth frame. Lines are as wide as new
// objects draw them unless penWidth says otherwise.
TProject KeyedProject(int objects, int frames, bool fading = true, int penWidth = 1) {
    TProject project;
    project.FrameCount = frames;
    CreateFrames(project, frames);
    TSequence random;
    for (int i = 0; i < objects; ++i) {
        auto master = Hexagon(random.Next(800), random.Next(600),
                              static_cast<TColor>(random.Next(0x1000000)), penWidth);
        for (int frame = KeyStep; frame < frames; frame += KeyStep) {
            std::unique_ptr<TTypesObject> key = CloneObject(master.get(), 1.0L);
            key->Move(random.Next(81) - 40, random.Next(81) - 40);
            TProps props = key->GetProps();
            props.BrushColor = static_cast<TColor>(random.Next(0x1000000));
            if (fading)
                props.Trans = 50 + random.Next(51);
            key->ChangeProps(props, false);
            key->KeyFrameTurn = key->KeyFrameStretch = false;
            project.Frames[frame]->Objects.push_back(std::move(key));
        }
        project.Frames[0]->Objects.push_back(std::move(master));
    }
    return project;
}

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
