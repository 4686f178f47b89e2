#include "core/export/ExportRun.h"

#include "core/anim/RenderFrame.h"
#include "core/export/ExportError.h"
#include "core/export/PoolTask.h"

#include <QThread>
#include <algorithm>
#include <deque>
#include <memory>
#include <optional>

namespace {
// One frame being drawn on the pool; it stays where it is until the drawing is joined.
struct TRendering {
    TRendering(const TProject& project, int frame)
        : Task(std::in_place, [this, &project, frame] { RenderFrame(project, frame, Bitmap); }) {}

    QImage Bitmap;
    std::optional<TPoolTask> Task;
};

// Frames are drawn ahead of the writer, one per core, so rendering and encoding overlap.
class TRenderQueue {
public:
    TRenderQueue(const TProject& project, int first, int count)
        : FProject(project), FNext(first), FEnd(first + count),
          FAhead(std::max(2, QThread::idealThreadCount())) {
        Fill();
    }

    bool Empty() const { return FPending.empty(); }

    // The next frame in order, once drawn; the frames after it start drawing meanwhile.
    QImage Take() {
        std::unique_ptr<TRendering> front = std::move(FPending.front());
        FPending.pop_front();
        front->Task->Wait();
        Fill();
        if (front->Bitmap.isNull())
            throw TExportError(QStringLiteral("cannot make a frame image of %1 x %2 pixels")
                                   .arg(FProject.ProjectWidth)
                                   .arg(FProject.ProjectHeight)
                                   .toStdString());
        return std::move(front->Bitmap);
    }

private:
    void Fill() {
        while (static_cast<int>(FPending.size()) < FAhead && FNext < FEnd)
            FPending.push_back(std::make_unique<TRendering>(FProject, FNext++));
    }

    const TProject& FProject;
    int FNext;
    int FEnd;
    int FAhead;
    // Destroyed before the project is released: each rendering joins its task on destruction.
    std::deque<std::unique_ptr<TRendering>> FPending;
};

void CheckRange(const TProject& project, int first, int count) {
    const int frames = static_cast<int>(project.Frames.size());
    if (count > 0 && (first < 0 || first >= frames || count > frames - first))
        throw TExportError("the frames to export lie outside the project");
}

int WriteFrames(const TProject& project, int first, int count, TFrameWriter& writer,
                const TExportProgress& progress) {
    TRenderQueue queue(project, first, count);
    int written = 0;
    while (!queue.Empty()) {
        writer.AddFrame(queue.Take(), written);
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
        writer.Begin({project.ProjectWidth, project.ProjectHeight, project.FramesPerSec, count});
        const int written = WriteFrames(project, first, count, writer, progress);
        writer.Finish();
        return written;
    } catch (...) {
        writer.Abort();
        throw;
    }
}
