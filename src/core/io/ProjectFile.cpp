#include "core/io/ProjectFile.h"

#include "core/model/DeviceWrite.h"
#include "core/model/ProjectLimits.h"
#include "core/model/Stream.h"
#include "core/objects/ObjectRecord.h"
#include "core/text/ResStr.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr TText kCannotWrite{25025, "Die Datei „%1“ kann nicht geschrieben werden: %2"};

// Every frame section holds at least its object count.
constexpr qint64 MinFrameSectionSize = 4;

void WriteSettings(TStream& stream, TProject& project) {
    stream.WriteInteger(ProjectMagic);
    stream.WriteInteger(project.ProjectWidth);
    stream.WriteInteger(project.ProjectHeight);
    stream.WriteInteger(project.BackgroundType);
    stream.WriteColor(project.BackgroundColor);
    stream.WriteString(project.BackgroundImage);
    stream.WriteBoolean(project.BackgroundBitmap.has_value());
    if (project.BackgroundBitmap)
        stream.WriteBitmap(*project.BackgroundBitmap);
    stream.WriteInteger(project.FramesPerSec);
    stream.WriteBoolean(project.ShowPaths);
    stream.WriteBoolean(project.Splines);
    stream.WriteInteger(project.PlayStart);
    stream.WriteInteger(project.PlayEnd);
}

void WriteFrame(TStream& stream, const TFrame& frame, bool master, const TObjectTypes& types) {
    stream.WriteInteger(static_cast<std::int32_t>(frame.Objects.size()));
    for (const auto& object : frame.Objects) {
        const TObjectType* type = types.Find(object->TypeCode());
        if (!master && type && type->WriteCopy)
            type->WriteCopy(*object, stream);
        else
            object->DataToStream(stream);
    }
}

void ReadObject(TStream& stream, TProject& loaded, std::size_t frameIndex,
                const TObjectContext& context, const TObjectTypes& types) {
    TRecordStart start = ReadRecordStart(stream, context, types);
    TTypesObject& object = *start.Object;
    const bool master = frameIndex == 0;
    if (!master && start.Type->ReadCopy)
        start.Type->ReadCopy(object, stream, loaded.Master().Objects);
    else
        object.StreamToData(stream);
    if (master)
        object.SetAllKeyFrames();
    object.ChangeZoom(context.Zoom, false);
    object.ChangeSelection(false, false);
    loaded.Frames[frameIndex]->Objects.push_back(std::move(start.Object));
}

[[noreturn]] void Refuse(const QString& reason) {
    throw TStreamError(reason.toStdString());
}

void CheckProjectSize(const TProject& loaded) {
    if (!ProjectSideAllowed(loaded.ProjectWidth) || !ProjectSideAllowed(loaded.ProjectHeight))
        Refuse(ResStr(25020, "Die Projektgröße %1 x %2 liegt außerhalb von 1 bis %3 Pixeln.")
                   .arg(loaded.ProjectWidth)
                   .arg(loaded.ProjectHeight)
                   .arg(MaxProjectSide));
}

void CheckFramesPerSec(const TProject& loaded) {
    // Playback waits 1000 / FramesPerSec milliseconds per frame.
    if (!FramesPerSecAllowed(loaded.FramesPerSec))
        Refuse(ResStr(25021, "Die Bildrate %1 Frames/Sek. liegt außerhalb von %2 bis %3.")
                   .arg(loaded.FramesPerSec)
                   .arg(MinFramesPerSec)
                   .arg(MaxFramesPerSec));
}

std::int32_t ReadFrameCount(TStream& stream) {
    const std::int32_t frameCount = stream.ReadCount(MinFrameSectionSize);
    // A project always has its master frame.
    if (frameCount < 1)
        Refuse(ResStr(25022, "Die Datei enthält kein Bild."));
    if (!FrameCountAllowed(frameCount))
        Refuse(
            ResStr(25023, "Die Frameanzahl %1 liegt über %2.").arg(frameCount).arg(MaxFrameCount));
    return frameCount;
}

void ReadFrames(TStream& stream, TProject& loaded, const TObjectContext& context,
                const TObjectTypes& types) {
    CreateFrames(loaded, ReadFrameCount(stream));
    std::int64_t records = 0;
    for (std::size_t i = 0; i < loaded.Frames.size(); ++i) {
        const std::int32_t objectCount = stream.ReadCount(MinObjectRecordSize);
        records += objectCount;
        if (records > MaxObjectRecords)
            Refuse(ResStr(25024, "Die Datei enthält mehr als %1 Objekte.").arg(MaxObjectRecords));
        loaded.Frames[i]->Objects.reserve(objectCount);
        for (std::int32_t n = 0; n < objectCount; ++n)
            ReadObject(stream, loaded, i, context, types);
    }
}

// Everything after the magic, into a fresh project.
void ReadContent(TStream& stream, TProject& loaded, const TObjectContext& context,
                 const TObjectTypes& types) {
    loaded.ProjectWidth = stream.ReadInteger();
    loaded.ProjectHeight = stream.ReadInteger();
    CheckProjectSize(loaded);
    loaded.BackgroundType = stream.ReadInteger();
    loaded.BackgroundColor = stream.ReadColor();
    loaded.BackgroundImage = stream.ReadString();
    if (stream.ReadBoolean()) {
        // An empty stored image counts as none, so painting never meets a null bitmap.
        QImage image = stream.ReadBitmap();
        if (!image.isNull())
            loaded.BackgroundBitmap = std::move(image);
    }
    loaded.FramesPerSec = stream.ReadInteger();
    CheckFramesPerSec(loaded);
    loaded.ShowPaths = stream.ReadBoolean();
    loaded.Splines = stream.ReadBoolean();
    const std::int32_t playStart = stream.ReadInteger();
    const std::int32_t playEnd = stream.ReadInteger();
    ReadFrames(stream, loaded, context, types);
    loaded.PlayStart = playStart;
    loaded.PlayEnd = playEnd;
}

[[noreturn]] void FileFailed(const QString& text, const QString& fileName, const QString& reason) {
    throw TProjectFileError(text.arg(fileName, reason).toStdString());
}
} // namespace

void WriteProject(TStream& stream, TProject& project, const TObjectTypes& types) {
    WriteSettings(stream, project);
    stream.WriteInteger(static_cast<std::int32_t>(project.Frames.size()));
    for (std::size_t i = 0; i < project.Frames.size(); ++i)
        WriteFrame(stream, *project.Frames[i], i == 0, types);
}

TLoadResult ReadProject(TStream& stream, TProject& project, TObjectTable* table,
                        const TObjectTypes& types) {
    if (stream.ReadInteger() != ProjectMagic)
        return TLoadResult::NotAProject;
    // Images are added to the project's own store, so objects may keep a pointer to it; until
    // the load succeeds they are only appended behind the old ones.
    TBitmapStore& store = project.BitmapStore;
    const auto oldImages = static_cast<std::ptrdiff_t>(store.size());
    TProject loaded;
    // A file without a background image keeps the one in memory.
    loaded.BackgroundBitmap = project.BackgroundBitmap;
    try {
        ReadContent(stream, loaded, {table, loaded.Zoom, &store}, types);
    } catch (...) {
        store.erase(store.begin() + oldImages, store.end());
        throw;
    }
    TBitmapStore images(store.begin() + oldImages, store.end());
    project = std::move(loaded);
    project.BitmapStore = std::move(images);
    return TLoadResult::Loaded;
}

QByteArray ProjectFileBytes(TProject& project, const TObjectTypes& types) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TStream stream(buffer);
    WriteProject(stream, project, types);
    return bytes;
}

void SaveProject(TProject& project, const QString& fileName, const TObjectTypes& types) {
    // The replacing rename needs only the folder's permission, and a privileged user passes
    // every check, so a file marked read-only is refused by its own mark.
    const QFileInfo target(fileName);
    constexpr auto writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (target.isFile() && !(target.permissions() & writeBits))
        FileFailed(ResStr(kCannotWrite), fileName, ResStr(25026, "sie ist schreibgeschützt"));
    QString reason;
    if (!ReplaceFile(fileName, ProjectFileBytes(project, types), reason))
        FileFailed(ResStr(kCannotWrite), fileName, reason);
}

TLoadResult LoadProject(TProject& project, const QString& fileName, TObjectTable* table,
                        const TObjectTypes& types) {
    // A folder or a pipe is no project; opening a pipe would wait for a writer.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        return TLoadResult::NotAProject;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        FileFailed(ResStr(25027, "Die Datei „%1“ kann nicht geöffnet werden: %2"), fileName,
                   file.errorString());
    TStream stream(file);
    return ReadProject(stream, project, table, types);
}
