#pragma once

#include "core/model/Project.h"
#include "ui/SettingsStore.h"

#include <QImage>
#include <vector>

// A neighbouring frame to show: how far it lies from the current one, negative before it.
struct TOnionFrame {
    int Frame;
    int Distance;
};

// The frames of the play range around current, farthest first, so nearer ones paint over them;
// the master frame shows only the frames after it.
std::vector<TOnionFrame> OnionFrames(const TProject& project, const TOnionSettings& settings);

// The neighbouring frames as tinted pictures, kept until the frames they show may have changed,
// so the current frame repaints over them without building them again.
class TOnionSkin {
public:
    struct TLayer {
        QImage Image;
        qreal Opacity;
    };

    void Invalidate() { FValid = false; }
    bool IsValid() const { return FValid; }
    void Rebuild(const TProject& project, const TOnionSettings& settings);
    const std::vector<TLayer>& Layers() const { return FLayers; }

private:
    std::vector<TLayer> FLayers;
    bool FValid = false;
};
