// Feeds arbitrary bytes to the project reader. Damaged data must be refused with TStreamError;
// anything else that escapes, and every sanitizer report, is a finding. A project that was read
// must also write, read back and write again to the same bytes, and dump without trouble. Then
// one frame, chosen by the last byte, goes the ways of --export and --dump --frame: it is
// rendered, then built with both keyframe searches, which must dump the same.
#include "OffscreenApplication.h"

#include "core/anim/RenderFrame.h"
#include "core/io/ProjectDump.h"
#include "core/io/ProjectFile.h"
#include "core/model/Stream.h"

#include <QBuffer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {
// Rendering time grows with the area, and a large area finds nothing a small one misses.
constexpr std::int32_t MaxRenderSide = 64;

bool Read(QByteArray bytes, TProject& project) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TStream stream(buffer);
    try {
        return ReadProject(stream, project, nullptr) == TLoadResult::Loaded;
    } catch (const TStreamError&) {
        return false;
    }
}

QByteArray Written(TProject& project) {
    return ProjectFileBytes(project);
}

void RenderAndDumpFrame(TProject& project, int frameIndex) {
    project.ProjectWidth = std::min(project.ProjectWidth, MaxRenderSide);
    project.ProjectHeight = std::min(project.ProjectHeight, MaxRenderSide);
    QImage bitmap;
    RenderFrame(project, frameIndex, bitmap);
    BuildFrame(project, frameIndex, TKeySearch::Indexed);
    const QByteArray indexed = DumpProject(project, frameIndex);
    StripFrame(*project.Frames[static_cast<std::size_t>(frameIndex)]);
    BuildFrame(project, frameIndex, TKeySearch::Plain);
    if (DumpProject(project, frameIndex) != indexed)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    StartOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TProject project;
    if (!Read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
              project))
        return 0;
    const QByteArray written = Written(project);
    TProject again;
    if (!Read(written, again) || Written(again) != written)
        std::abort();
    DumpProject(project);
    RenderAndDumpFrame(project, data[size - 1] % static_cast<int>(project.Frames.size()));
    return 0;
}
