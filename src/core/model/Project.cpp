#include "core/model/Project.h"

#include <algorithm>
#include <limits>

TProject::TProject() {
    CreateFrames(*this, FrameCount);
}

namespace {
// The zoomed side with the margins, computed wide and saturated, as a side and a zoom from
// anywhere can exceed the integer range.
int ExtentOf(std::int32_t side, Extended zoom) {
    const std::int64_t extent = std::int64_t{RoundHalfEven(side * zoom)} + 2 * TProject::Margin;
    return static_cast<int>(std::min<std::int64_t>(extent, std::numeric_limits<int>::max()));
}
} // namespace

int TProject::ExtentWidth() const {
    return ExtentOf(ProjectWidth, Zoom);
}

int TProject::ExtentHeight() const {
    return ExtentOf(ProjectHeight, Zoom);
}

void CreateFrames(TProject& project, std::int32_t count) {
    project.Frames.clear();
    project.Frames.reserve(count);
    for (std::int32_t i = 0; i < count; ++i)
        project.Frames.push_back(std::make_unique<TFrame>());
    project.FrameCount = count;
    project.CurrentFrame = 0;
    project.PlayStart = 0;
    project.PlayEnd = count - 1;
}

void ResetFrames(TProject& project) {
    project.Frames.clear();
    project.BitmapStore.clear();
    project.Zoom = 1.0L;
    project.TimelineStep = 0;
    CreateFrames(project, project.FrameCount);
}

void ResizeFrames(TProject& project, std::int32_t count) {
    if (count < static_cast<std::int32_t>(project.Frames.size())) {
        project.Frames.resize(count);
    } else {
        while (static_cast<std::int32_t>(project.Frames.size()) < count)
            project.Frames.push_back(std::make_unique<TFrame>());
    }
    project.FrameCount = count;
    project.CurrentFrame = 0;
    project.TimelineStep = 0;
    project.PlayStart = 0;
    project.PlayEnd = count - 1;
    project.Zoom = 1.0L;
}
