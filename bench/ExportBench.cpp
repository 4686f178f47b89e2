#include "BenchScene.h"
#include "core/export/ExportRun.h"
#include "core/export/FrameWriter.h"
#include "core/export/GifWriter.h"
#include "core/export/VideoWriter.h"
#include "core/io/ProjectFile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstring>

// ---------------------------------------------------------------------------------------------
// The video writer alone: MakeVideoWriter, Begin, 100 prepared 800 x 600 frames, Finish.
// ---------------------------------------------------------------------------------------------

namespace {

constexpr int VideoFrames = 100;

// 100 frames of 200 filled and outlined hexagons drifting apart, so inter-frame encoders see
// motion as in a real run.
const std::vector<QImage>& DriftingFrames() {
    static const std::vector<QImage> frames = [] {
        std::vector<QImage> painted;
        unsigned state = 1;
        const auto next = [&state](int range) {
            state = state * 1103515245u + 12345u;
            return static_cast<int>((state >> 8) % static_cast<unsigned>(range));
        };
        struct THexagon {
            QPointF Centre;
            QPointF Step;
            QColor Fill;
        };
        std::vector<THexagon> hexagons;
        for (int i = 0; i < 200; ++i)
            hexagons.push_back({QPointF(next(800), next(600)),
                                QPointF(next(9) - 4, next(9) - 4) / 2.0,
                                QColor::fromRgb(static_cast<QRgb>(next(0x1000000)))});
        for (int frame = 0; frame < VideoFrames; ++frame) {
            QImage image(800, 600, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setPen(QPen(Qt::black, 1));
            for (const THexagon& hexagon : hexagons) {
                QPolygonF corners;
                for (int i = 0; i < 6; ++i)
                    corners << hexagon.Centre + frame * hexagon.Step +
                                   40 * QPointF(std::cos(i * 1.0472), std::sin(i * 1.0472));
                painter.setBrush(hexagon.Fill);
                painter.drawPolygon(corners);
            }
            painter.end();
            painted.push_back(image);
        }
        return painted;
    }();
    return frames;
}

void BM_VideoWriter(benchmark::State& state, TVideoContainer container, const char* codec,
                    const char* extension) {
    const QString name = QString::fromLatin1(codec);
    bool offered = false;
    for (const TVideoCodec& available : AvailableVideoCodecs(container))
        offered = offered || available.Name == name;
    if (!offered) {
        state.SkipWithError("this FFmpeg build has no such encoder");
        return;
    }
    const std::vector<QImage>& frames = DriftingFrames();
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("bench.") + QLatin1String(extension));
    TVideoOptions options;
    options.Codec = name;
    for (auto _ : state) {
        const std::unique_ptr<TFrameWriter> writer = MakeVideoWriter(fileName, container, options);
        writer->Begin({800, 600, 25, VideoFrames});
        for (int i = 0; i < VideoFrames; ++i)
            writer->AddFrame(frames[static_cast<std::size_t>(i)], i);
        writer->Finish();
    }
    state.SetItemsProcessed(state.iterations() * VideoFrames);
}

// Wall time is what the user waits; CPU time counts the encoder's threads too.
void WriterTiming(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}

BENCHMARK_CAPTURE(BM_VideoWriter, avi_rawvideo, TVideoContainer::Avi, "rawvideo", "avi")
    ->Apply(WriterTiming);
BENCHMARK_CAPTURE(BM_VideoWriter, avi_mjpeg, TVideoContainer::Avi, "mjpeg", "avi")
    ->Apply(WriterTiming);
BENCHMARK_CAPTURE(BM_VideoWriter, avi_mpeg4, TVideoContainer::Avi, "mpeg4", "avi")
    ->Apply(WriterTiming);
BENCHMARK_CAPTURE(BM_VideoWriter, avi_ffv1, TVideoContainer::Avi, "ffv1", "avi")
    ->Apply(WriterTiming);
BENCHMARK_CAPTURE(BM_VideoWriter, mp4_h264, TVideoContainer::Mp4, "h264", "mp4")
    ->Apply(WriterTiming);
BENCHMARK_CAPTURE(BM_VideoWriter, webm_vp9, TVideoContainer::WebM, "vp9", "webm")
    ->Apply(WriterTiming);

// ---------------------------------------------------------------------------------------------
// The whole run: 100 frames of 200 moving hexagons with 3-pixel outlines rendered and written.
// ---------------------------------------------------------------------------------------------

void BM_ExportRun(benchmark::State& state, TVideoContainer container, const char* codec,
                  const char* extension) {
    const TProject project = KeyedProject(200, 100, false, 3);
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("run.") + QLatin1String(extension));
    TVideoOptions options;
    options.Codec = QString::fromLatin1(codec);
    for (auto _ : state) {
        const std::unique_ptr<TFrameWriter> writer = MakeVideoWriter(fileName, container, options);
        RunExport(project, 0, project.FrameCount, *writer);
    }
    state.SetItemsProcessed(state.iterations() * project.FrameCount);
}

void BM_ExportGif(benchmark::State& state) {
    const TProject project = KeyedProject(200, 100, false, 3);
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("run.gif"));
    for (auto _ : state) {
        const std::unique_ptr<TFrameWriter> writer = MakeGifWriter(fileName);
        RunExport(project, 0, project.FrameCount, *writer);
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(fileName).size());
    state.SetItemsProcessed(state.iterations() * project.FrameCount);
}

BENCHMARK(BM_ExportGif)->Apply(WriterTiming);
BENCHMARK_CAPTURE(BM_ExportRun, avi_rawvideo, TVideoContainer::Avi, "rawvideo", "avi")
    ->Apply(WriterTiming);
BENCHMARK_CAPTURE(BM_ExportRun, avi_mjpeg, TVideoContainer::Avi, "mjpeg", "avi")
    ->Apply(WriterTiming);
BENCHMARK_CAPTURE(BM_ExportRun, mp4_h264, TVideoContainer::Mp4, "h264", "mp4")->Apply(WriterTiming);

} // namespace

// ---------------------------------------------------------------------------------------------

// "bench_export --write-scene FILE.kvp" saves the benchmark scene, so the whole
// "kelvro --export" process can be timed on it.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--write-scene") == 0) {
        TProject project = KeyedProject(200, 100, false, 3);
        SaveProject(project, QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
