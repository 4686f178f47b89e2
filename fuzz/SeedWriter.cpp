// Writes the starting corpora: a few small valid projects into one folder, for
// fuzz_project_reader (polylines and polygons in several frames, names, keyframe copies, a
// background image, and every object type with keyframe copies), and object payloads into
// another, for fuzz_object_record (one per object type and one holding them all).
#include "ObjectSeeds.h"

#include "core/io/ObjectPayload.h"
#include "core/io/ProjectFile.h"
#include "core/objects/TypesPolygon.h"
#include "core/objects/TypesPolyline.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <stdexcept>

namespace {
std::unique_ptr<TTypesPolyline> Polyline(const TPolyPointsEx& points, const QString& name) {
    auto line = std::make_unique<TTypesPolyline>(nullptr, TProps(), 1.0L);
    line->SetPoints(points);
    line->ObjName = name;
    line->SetAllKeyFrames();
    return line;
}

// A triangle closed the way the creation tool closes one: a release on its first vertex.
std::unique_ptr<TTypesPolygon> Triangle(const TProps& props) {
    auto polygon = std::make_unique<TTypesPolygon>(nullptr, props, 1.0L);
    polygon->SetPoints({{10, 10}, {90, 10}, {90, 70}});
    bool flag = false;
    polygon->CreateMouseDown(TMouseButton::mbLeft, 0, 10, 70, flag);
    polygon->CreateMouseUp(TMouseButton::mbLeft, 0, 10, 10);
    polygon->SetAllKeyFrames();
    return polygon;
}

std::unique_ptr<TTypesObject> KeyCopy(const TTypesObject& master, bool TTypesObject::*flag) {
    std::unique_ptr<TTypesObject> copy = CloneObject(&master, 1.0L);
    copy->Move(5, -3);
    copy->KeyFrameMove = copy->KeyFrameTurn = copy->KeyFrameStretch = false;
    copy->KeyFrameTrans = copy->KeyFrameColor = false;
    copy.get()->*flag = true;
    return copy;
}

void WriteEmpty(const QDir& folder) {
    TProject project;
    ResizeFrames(project, 1);
    SaveProject(project, folder.filePath(QStringLiteral("empty.kvp")));
}

void WriteLines(const QDir& folder) {
    TProject project;
    ResizeFrames(project, 3);
    TProps props;
    props.PenColor = 0x0000FF;
    props.BrushColor = 0x00FF00;
    props.PenWidth = 3;
    props.Trans = 62.5L;
    auto line = Polyline({{1.5L, 2.25L}, {40, 8}, {-3, 100.125L}}, QStringLiteral("Linie"));
    auto triangle = Triangle(props);
    triangle->ObjName = QStringLiteral("Dreieck");
    project.Frames[1]->Objects.push_back(KeyCopy(*line, &TTypesObject::KeyFrameMove));
    project.Frames[2]->Objects.push_back(KeyCopy(*triangle, &TTypesObject::KeyFrameColor));
    project.Master().Objects.push_back(std::move(line));
    project.Master().Objects.push_back(std::move(triangle));
    SaveProject(project, folder.filePath(QStringLiteral("lines.kvp")));
}

void WriteBackground(const QDir& folder) {
    TProject project;
    ResizeFrames(project, 2);
    project.BackgroundType = 1;
    project.BackgroundImage = QStringLiteral("Wiese.png");
    QImage image(3, 2, QImage::Format_RGB888);
    image.fill(QColor(20, 140, 60));
    project.BackgroundBitmap = image;
    TProps mask;
    mask.Mask = MASK_XOR;
    auto open = std::make_unique<TTypesPolygon>(nullptr, mask, 1.0L);
    open->SetPoints({{0, 0}, {7, 7}});
    project.Master().Objects.push_back(std::move(open));
    project.Master().Objects.push_back(Polyline({}, QString()));
    SaveProject(project, folder.filePath(QStringLiteral("background.kvp")));
}

// Every type in the master frame and, along splines, a copy of each keyed for one aspect.
void WriteEveryType(const QDir& folder) {
    TProject project;
    ResizeFrames(project, 3);
    project.ProjectWidth = 64;
    project.ProjectHeight = 64;
    project.Splines = true;
    project.Master().Objects = EveryObjectType(project.BitmapStore);
    bool TTypesObject::*const aspects[] = {
        &TTypesObject::KeyFrameMove, &TTypesObject::KeyFrameTurn, &TTypesObject::KeyFrameStretch,
        &TTypesObject::KeyFrameTrans, &TTypesObject::KeyFrameColor};
    int next = 0;
    for (const auto& master : project.Master().Objects)
        project.Frames[2]->Objects.push_back(KeyCopy(*master, aspects[next++ % 5]));
    SaveProject(project, folder.filePath(QStringLiteral("types.kvp")));
}

void WritePayload(const QDir& folder, const QString& name, const TObjectList& objects) {
    QFile file(folder.filePath(name + QStringLiteral(".rec")));
    const QByteArray bytes = ObjectPayloadBytes(objects);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error(file.errorString().toStdString());
}

void WritePayloads(const QDir& folder) {
    TBitmapStore store;
    TObjectList objects = EveryObjectType(store);
    WritePayload(folder, QStringLiteral("every"), objects);
    for (auto& object : objects) {
        const QString name = object->TypeName().toLower();
        TObjectList single;
        single.push_back(std::move(object));
        WritePayload(folder, name, single);
    }
}

QDir MadeFolder(const char* path) {
    const QDir folder(QString::fromLocal8Bit(path));
    if (!folder.mkpath(QStringLiteral(".")))
        throw std::runtime_error(std::string(path) + ": the folder cannot be created");
    return folder;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seed_writer PROJECT_FOLDER RECORD_FOLDER\n");
        return 1;
    }
    try {
        const QDir projects = MadeFolder(argv[1]);
        WriteEmpty(projects);
        WriteLines(projects);
        WriteBackground(projects);
        WriteEveryType(projects);
        WritePayloads(MadeFolder(argv[2]));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "fuzz_seed_writer: %s\n", failure.what());
        return 1;
    }
    return 0;
}
