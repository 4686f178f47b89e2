#pragma once

#include <QImage>

// What an output learns of its run before the first frame.
struct TExportShape {
    int Width = 0;
    int Height = 0;
    int FramesPerSec = 0;
    // Frames the run will hand over if it is not stopped early.
    int Count = 0;
};

// An output of an export run (image series, video, animated picture). The run calls Begin once,
// AddFrame for each frame in order, then Finish, or Abort after a failure. Every method but Abort
// throws TExportError with a text for the user when the output cannot be written.
class TFrameWriter {
public:
    virtual ~TFrameWriter() = default;

    virtual void Begin(const TExportShape& shape) = 0;
    // frame is the project's size in QImage::Format_RGB32 (opaque), as RenderFrame makes it;
    // index counts from 0 within the run.
    virtual void AddFrame(const QImage& frame, int index) = 0;
    // Completes the output with the frames added so far, also when the run was cancelled.
    virtual void Finish() = 0;
    // Leaves no unusable output behind; never throws.
    virtual void Abort() noexcept = 0;
};
