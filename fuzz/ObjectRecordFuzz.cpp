// Feeds arbitrary bytes to the object record reader, laid out as the clipboard will carry
// records: magic, count, then full records as the master frame holds them. Damaged data must be
// refused with TStreamError. Objects that were read must write, read back and write again to
// the same bytes, describe themselves for the dump and, as the master frame of a small project,
// render there and in an in-between frame built from them.
#include "ObjectPayload.h"
#include "OffscreenApplication.h"

#include "core/anim/RenderFrame.h"
#include "core/io/ProjectDump.h"
#include "core/model/Stream.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {
bool Read(QByteArray bytes, TBitmapStore& store, TObjectList& objects) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TStream stream(buffer);
    try {
        return ReadObjectPayload(stream, {nullptr, 1.0L, &store}, objects);
    } catch (const TStreamError&) {
        return false;
    }
}

QByteArray Written(const TObjectList& objects) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TStream stream(buffer);
    WriteObjectPayload(stream, objects);
    return bytes;
}

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
    TObjectList objects;
    if (!Read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
              project.BitmapStore, objects))
        return 0;
    const QByteArray written = Written(objects);
    TObjectList again;
    if (!Read(written, project.BitmapStore, again) || Written(again) != written)
        std::abort();
    for (const auto& object : objects)
        DescribeObject(*object);
    RenderAsMaster(project, objects);
    return 0;
}
