#include "ui/editor/OnionSkin.h"

#include "core/anim/RenderFrame.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {
// Earlier frames red, later ones green, as animators know it.
const QColor kBeforeTint(220, 0, 0, 150);
const QColor kAfterTint(0, 170, 0, 150);

void Tint(QImage& image, const QColor& tint) {
    QPainter painter(&image);
    // Only where the frame has pixels.
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(image.rect(), tint);
}
} // namespace

std::vector<TOnionFrame> OnionFrames(const TProject& project, const TOnionSettings& settings) {
    std::vector<TOnionFrame> frames;
    const int current = project.CurrentFrame;
    const int first = std::max(project.PlayStart, 0);
    const int last = std::min(project.PlayEnd, project.FrameCount - 1);
    const int before = current == 0 ? 0 : settings.Before;
    for (int distance = std::max(before, settings.After); distance >= 1; --distance) {
        if (distance <= before && current - distance >= first && current - distance <= last)
            frames.push_back({current - distance, -distance});
        if (distance <= settings.After && current + distance <= last && current + distance >= first)
            frames.push_back({current + distance, distance});
    }
    return frames;
}

void TOnionSkin::Rebuild(const TProject& project, const TOnionSettings& settings) {
    FLayers.clear();
    for (const TOnionFrame& neighbour : OnionFrames(project, settings)) {
        TLayer layer{QImage(), settings.Opacity / 100.0 / std::abs(neighbour.Distance)};
        RenderFrameObjects(project, neighbour.Frame, layer.Image);
        if (layer.Image.isNull())
            continue;
        Tint(layer.Image, neighbour.Distance < 0 ? kBeforeTint : kAfterTint);
        FLayers.push_back(std::move(layer));
    }
    FValid = true;
}
