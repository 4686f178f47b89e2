// Feeds arbitrary bytes to the clipboard's object reader: magic, count, then full records as
// the master frame holds them. Damaged data must be refused without a crash and without images
// left in the store. Objects that were read must write, read back and write again to the same
// bytes, describe themselves for the dump and, as the master frame of a small project, render
// there and in an in-between frame built from them.
#include "OffscreenApplication.h"

#include "core/anim/RenderFrame.h"
#include "core/io/ObjectPayload.h"
#include "core/io/ProjectDump.h"

#include <cstdint>
#include <cstdlib>

namespace {
// The objects as the master frame reader leaves them: keyframes for every aspect, at the
// project's zoom, deselected.
void RenderAsMaster(TProject& project, TObjectList& objects) {
    ResizeFrames(project, 2);
    project.ProjectWidth = 64;
    project.ProjectHeight = 64;
    for (auto& object : objects) {
        object->SetAllKeyFrames();
        object->ChangeZoom(project.Zoom, false);
        object->ChangeSelection(false, false);
        project.Master().Objects.push_back(std::move(object));
    }
    QImage bitmap;
    RenderFrame(project, 0, bitmap);
    RenderFrame(project, 1, bitmap);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    StartOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TProject project;
    const TObjectContext context{nullptr, 1.0L, &project.BitmapStore};
    std::optional<TObjectList> objects = ObjectsFromPayload(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), context);
    if (!objects) {
        if (!project.BitmapStore.empty())
            std::abort();
        return 0;
    }
    const QByteArray written = ObjectPayloadBytes(*objects);
    const std::optional<TObjectList> again = ObjectsFromPayload(written, context);
    if (!again || ObjectPayloadBytes(*again) != written)
        std::abort();
    for (const auto& object : *objects)
        DescribeObject(*object);
    RenderAsMaster(project, *objects);
    return 0;
}
