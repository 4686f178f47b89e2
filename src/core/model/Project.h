#pragma once

#include "core/model/Frame.h"
#include "core/model/Types.h"

#include <QImage>
#include <memory>
#include <optional>
#include <vector>

using TBitmapStore = std::vector<std::shared_ptr<QImage>>;

// The state of the one project being edited. Owned by the main window for the run and passed
// explicitly to everything that works on it.
struct TProject {
    TProject();

    std::int32_t ProjectWidth = 800;
    std::int32_t ProjectHeight = 600;
    static constexpr std::int32_t Margin = 50;
    Extended Zoom = 1.0L;
    std::int32_t FrameCount = 50;
    std::int32_t FramesPerSec = 15;
    std::int32_t CurrentFrame = 0;
    std::int32_t PlayStart = 0;
    std::int32_t PlayEnd = 49;
    std::int32_t TimelineStep = 0;
    std::int32_t BackgroundType = 0;
    TColor BackgroundColor = 0xFFFFFF;
    QString BackgroundImage;
    std::optional<QImage> BackgroundBitmap;
    bool ShowPaths = false;
    bool Splines = false;
    std::vector<std::unique_ptr<TFrame>> Frames;
    TBitmapStore BitmapStore;

    // The lists of the current frame.
    TObjectList& CurrentObjects() { return Frames[CurrentFrame]->Objects; }
    TUndoList& CurrentUndo() { return Frames[CurrentFrame]->Undo; }
    TUndoList& CurrentRedo() { return Frames[CurrentFrame]->Redo; }
    const TObjectList& CurrentObjects() const { return Frames[CurrentFrame]->Objects; }
    const TUndoList& CurrentUndo() const { return Frames[CurrentFrame]->Undo; }
    const TUndoList& CurrentRedo() const { return Frames[CurrentFrame]->Redo; }
    TFrame& Master() { return *Frames[0]; }

    // Size of the canvas extent: the zoomed project area with the margin on every side.
    int ExtentWidth() const;
    int ExtentHeight() const;
};

// Replaces the frames with count new empty frames and makes frame 0 current.
void CreateFrames(TProject& project, std::int32_t count);
// New project: frees every frame and image, zoom 100 %, then FrameCount empty frames.
void ResetFrames(TProject& project);
// Cuts or extends the sequence to count frames in place; frames below count keep their contents.
void ResizeFrames(TProject& project, std::int32_t count);
