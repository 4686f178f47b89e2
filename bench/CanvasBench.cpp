#include "BenchMain.h"
#include "BenchScene.h"
#include "core/io/ProjectFile.h"
#include "ui/BufferedScrollTable.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
constexpr int kObjects = 500;
constexpr int kFrame = 5;

// The editor on frame 6 of a 500-object project, the top-most object held by the mouse.
class TDragScene {
public:
    explicit TDragScene(bool onionSkin) {
        TProject project = KeyedProject(kObjects, 50);
        const QString file = FFolder.filePath(QStringLiteral("drag.kvp"));
        SaveProject(project, file);
        FWindow.SetStartProject(file);
        FWindow.show();
        QTest::qWait(50);
        auto* frames = FWindow.findChild<QComboBox*>(QStringLiteral("FrameCombo"));
        frames->setCurrentIndex(kFrame);
        emit frames->activated(kFrame);
        FWindow.findChild<QCheckBox*>(QStringLiteral("OnionCheck"))->setChecked(onionSkin);
        FWindow.findChild<QAction*>(QStringLiteral("SelectionAction1"))->trigger();
        FCanvas = FWindow.findChild<TBufferedScrollTable*>(QStringLiteral("BufferedScrollTable1"));
        const TRect r = FWindow.Project().CurrentObjects().back()->GetRect();
        FGrip = Corner() + QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        QTest::mousePress(FCanvas->viewport(), Qt::LeftButton, {}, FGrip);
    }
    ~TDragScene() { QTest::mouseRelease(FCanvas->viewport(), Qt::LeftButton, {}, FGrip); }

    // One step of the drag, painted before it returns.
    void Step(int offset) {
        QTest::mouseMove(FCanvas->viewport(), FGrip + QPoint(offset, offset));
        FCanvas->viewport()->repaint();
    }

private:
    QPoint Corner() const {
        const QSize client = FCanvas->viewport()->size();
        const int dx = std::max(0, (client.width() - FCanvas->WidthPixel()) / 2);
        const int dy = std::max(0, (client.height() - FCanvas->HeightPixel()) / 2);
        return {TProject::Margin + dx - FCanvas->LeftPixel(),
                TProject::Margin + dy - FCanvas->TopPixel()};
    }

    QTemporaryDir FFolder;
    TMainForm FWindow;
    TBufferedScrollTable* FCanvas = nullptr;
    QPoint FGrip;
};

void BM_DragStep(benchmark::State& state) {
    TDragScene scene(state.range(0) != 0);
    int offset = 0;
    for (auto _ : state)
        scene.Step((++offset % 2) * 3);
}
// 0: without onion skin; 1: with two frames before and one after.
BENCHMARK(BM_DragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
