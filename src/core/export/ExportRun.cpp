#include "core/export/ExportRun.h"

#include "core/anim/RenderFrame.h"
#include "core/export/ExportError.h"
#include "core/export/PoolTask.h"
#include "core/text/ResStr.h"

#include <QThread>
#include <algorithm>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace {
// One frame being drawn on the pool; it stays where it is until the drawing is joined.
struct TRendering {
    // bitmap, when given, is a frame the writer is done with; drawing into it spares the pages
    // of a new one.
    TRendering(const TProject& project, int frame, QImage bitmap)
        : Bitmap(std::move(bitmap)),
          Task(std::in_place, [this, &project, frame] { RenderFrame(project, frame, Bitmap); }) {}

    QImage Bitmap;
    std::optional<TPoolTask> Task;
};

// Frames are drawn ahead of the writer, two per core, so rendering and encoding overlap and a
// pool thread finds the next frame waiting whenever it finishes one.
class TRenderQueue {
public:
    TRenderQueue(const TProject& project, int first, int count)
        : FProject(project), FNext(first), FEnd(first + count),
          FAhead(2 * std::max(2, QThread::idealThreadCount())) {
        Fill();
    }

    bool Empty() const { return FPending.empty(); }

    // A frame the writer has finished with, for a later frame to be drawn into.
    void Recycle(QImage bitmap) { FSpare.push_back(std::move(bitmap)); }

    // The next frame in order, once drawn; the frames after it start drawing meanwhile.
    QImage Take() {
        std::unique_ptr<TRendering> front = std::move(FPending.front());
        FPending.pop_front();
        front->Task->Wait();
        Fill();
        if (front->Bitmap.isNull())
            throw TExportError(ResStr(25110,
                                      "Ein Frame-Bild von %1 x %2 Pixeln kann nicht angelegt "
                                      "werden.")
                                   .arg(FProject.ProjectWidth)
                                   .arg(FProject.ProjectHeight)
                                   .toStdString());
        return std::move(front->Bitmap);
    }

private:
    void Fill() {
        while (static_cast<int>(FPending.size()) < FAhead && FNext < FEnd) {
            QImage bitmap;
            if (!FSpare.empty()) {
                bitmap = std::move(FSpare.back());
                FSpare.pop_back();
            }
            FPending.push_back(std::make_unique<TRendering>(FProject, FNext++, std::move(bitmap)));
        }
    }

    const TProject& FProject;
    int FNext;
    int FEnd;
    int FAhead;
    std::vector<QImage> FSpare;
    // Destroyed before the project is released: each rendering joins its task on destruction.
    std::deque<std::unique_ptr<TRendering>> FPending;
};

void CheckRange(const TProject& project, int first, int count) {
    const int frames = static_cast<int>(project.Frames.size());
    if (count > 0 && (first < 0 || first >= frames || count > frames - first))
        throw TExportError(
            ResStr(25111, "Die zu exportierenden Frames liegen außerhalb des Projekts.")
                .toStdString());
}

int WriteFrames(TRenderQueue& queue, int count, TFrameWriter& writer,
                const TExportProgress& progress) {
    int written = 0;
    while (!queue.Empty()) {
        QImage frame = queue.Take();
        writer.AddFrame(frame, written);
        queue.Recycle(std::move(frame));
        ++written;
        if (progress && !progress(written, count))
            break;
    }
    return written;
}
} // namespace

int RunExport(const TProject& project, int first, int count, TFrameWriter& writer,
              const TExportProgress& progress) {
    CheckRange(project, first, count);
    count = std::max(count, 0);
    try {
        int written = 0;
        {
            // The first frames render while the writer begins: a video writer may wait there for
            // its library to load.
            TRenderQueue queue(project, first, count);
            writer.Begin(
                {project.ProjectWidth, project.ProjectHeight, project.FramesPerSec, count});
            written = WriteFrames(queue, count, writer, progress);
        }
        writer.Finish();
        return written;
    } catch (...) {
        writer.Abort();
        throw;
    }
}
