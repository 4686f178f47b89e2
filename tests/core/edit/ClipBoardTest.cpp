#include "core/edit/ClipBoard.h"
#include "core/edit/FrameEdit.h"
#include "core/edit/Undo.h"
#include "core/model/ObjectId.h"
#include "core/model/Stream.h"
#include "core/objects/RecordingTable.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QDir>
#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr int ImageWidth = 7;
constexpr int ImageHeight = 5;
constexpr int ImageTypeCode = 5;
// Angle, stretch factors, zoom and centre end every placed record.
constexpr int PlacementSize = 6 * 10;

const QString& PictureFile() {
    static const QString path = [] {
        QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
        for (int i = 0; i < ImageWidth * ImageHeight; ++i)
            image.setPixel(i % ImageWidth, i / ImageWidth, qRgb(9 * i, 255 - 7 * i, 40 + i));
        const QString file = QDir(TestScratchFolder()).filePath("clip.png");
        image.save(file, "png");
        return file;
    }();
    return path;
}

// A text, image or shape placed by a click, its dialog answered, then turned and stretched.
void Place(TTypesObject& object, int typeCode, TRecordingTable& table, Extended zoom) {
    TScriptedObjectDialogs& dialogs = table.ObjectDialogs;
    if (typeCode == 4)
        dialogs.Inputs.Answers.push_back({QStringLiteral("Hallo Welt"), 1, true});
    else if (typeCode == ImageTypeCode)
        dialogs.ImageFiles << PictureFile();
    else
        dialogs.Shapes.push_back({2, {}, true});
    const int x = RoundHalfEven(41.5L * typeCode * zoom);
    Press(object, x, x / 2);
    Release(object, x, x / 2);
    TPlacement placement = *object.AspectPlacement();
    placement.Angle = 12.5L * typeCode;
    placement.XPercent = 1.5L;
    placement.YPercent = 0.75L;
    object.SetAspectPlacement(placement);
}

// The master frame holds one object of each of the seven types, as the editor makes them.
void DrawEveryType(TProject& project, TRecordingTable& table) {
    for (int code = 0; code < 7; ++code) {
        TProps props;
        props.BrushColor = static_cast<TColor>(0x102030 * (code + 1));
        props.PenWidth = code + 1;
        props.Trans = 12.5L * code;
        auto object = CreateObjectOfType(code, {&table, project.Zoom, &project.BitmapStore}, props);
        if (code < 4)
            object->SetAspectPoints(
                {{10.5L, Extended(20 + code)}, {60, 15.25L}, {40, 70}, {12, 44}});
        else
            Place(*object, code, table, project.Zoom);
        object->ID = NewObjectID();
        object->ObjName = QStringLiteral("Objekt %1").arg(code);
        object->SetAllKeyFrames();
        project.CurrentObjects().push_back(std::move(object));
    }
}

QByteArray RecordOf(const TTypesObject& object) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TStream stream(buffer);
    object.DataToStream(stream);
    return bytes;
}

QByteArray RecordWithID(const TTypesObject& object, const QString& id) {
    const auto copy = CloneObject(&object, object.Zoom());
    copy->ID = id;
    return RecordOf(*copy);
}

QByteArray Int32(std::int32_t value) {
    const std::int32_t little = qToLittleEndian(value);
    return {reinterpret_cast<const char*>(&little), sizeof little};
}

std::vector<const TTypesObject*> Pick(const TProject& project, const std::vector<int>& indices) {
    std::vector<const TTypesObject*> objects;
    for (const int index : indices)
        objects.push_back(project.CurrentObjects().at(static_cast<std::size_t>(index)).get());
    return objects;
}

// The geometry in project pixels, whatever zoom it is shown at.
std::vector<Extended> Geometry(const TTypesObject& object) {
    std::vector<Extended> values;
    if (const TPolyPointsEx* points = object.AspectPoints())
        for (const TPointEx& point : *points)
            values.insert(values.end(), {point.X, point.Y});
    if (const std::optional<TPlacement> placement = object.AspectPlacement())
        values.insert(values.end(), {placement->Centre.X, placement->Centre.Y, placement->Angle,
                                     placement->XPercent, placement->YPercent});
    return values;
}

} // namespace

TEST(ClipBoard, PayloadIsMagicCountAndTheRecordsInOrder) {
    TProject project;
    TRecordingTable table;
    DrawEveryType(project, table);
    for (const std::vector<int>& indices : {std::vector<int>{3}, std::vector<int>{6, 0, 5}}) {
        const auto objects = Pick(project, indices);
        QByteArray expected = Int32(1234) + Int32(static_cast<std::int32_t>(objects.size()));
        for (const TTypesObject* object : objects)
            expected += RecordOf(*object);
        EXPECT_EQ(ObjectPayloadBytes(objects), expected) << indices.size() << " objects";
    }
}

TEST(ClipBoard, PastedObjectsEqualTheirOriginalsUnderNewIDsAndImages) {
    TProject project;
    project.Zoom = 2;
    TRecordingTable table;
    DrawEveryType(project, table);
    const QByteArray payload = ObjectPayloadBytes(project.CurrentObjects());
    const std::size_t images = project.BitmapStore.size();

    ASSERT_EQ(PasteObjects(project, payload, &table), 7);
    const TObjectList& objects = project.CurrentObjects();
    ASSERT_EQ(objects.size(), 14u);
    std::set<QString> ids;
    for (std::size_t i = 0; i < 7; ++i) {
        const TTypesObject& original = *objects[i];
        const TTypesObject& pasted = *objects[i + 7];
        ids.insert(pasted.ID);
        EXPECT_NE(pasted.ID, original.ID);
        EXPECT_EQ(RecordWithID(pasted, original.ID), RecordOf(original))
            << qPrintable(original.TypeName());
        EXPECT_FALSE(pasted.IsSelected());
        EXPECT_EQ(pasted.Table(), &table);
    }
    EXPECT_EQ(ids.size(), 7u);

    const QImage* copied = objects[ImageTypeCode]->SharedImage();
    const QImage* pastedImage = objects[7 + ImageTypeCode]->SharedImage();
    ASSERT_TRUE(copied && pastedImage);
    EXPECT_NE(pastedImage, copied);
    EXPECT_EQ(*pastedImage, *copied);
    EXPECT_EQ(project.BitmapStore.size(), images + 1);
    EXPECT_TRUE(std::any_of(project.BitmapStore.begin(), project.BitmapStore.end(),
                            [&](const auto& image) { return image.get() == pastedImage; }));

    // Into a project at another zoom: the same geometry, shown at that project's zoom.
    TProject other;
    other.Zoom = 0.5L;
    ASSERT_EQ(PasteObjects(other, payload, nullptr), 7);
    for (std::size_t i = 0; i < 7; ++i) {
        const TTypesObject& pasted = *other.CurrentObjects()[i];
        EXPECT_EQ(pasted.Zoom(), 0.5L) << qPrintable(pasted.TypeName());
        EXPECT_EQ(Geometry(pasted), Geometry(*objects[i])) << qPrintable(pasted.TypeName());
    }
}

TEST(ClipBoard, OneUndoRemovesTheLastPasteAndRedoRestoresIt) {
    TProject project;
    TRecordingTable table;
    DrawEveryType(project, table);
    const QByteArray payload = ObjectPayloadBytes(Pick(project, {0, ImageTypeCode, 4}));

    ASSERT_EQ(PasteObjects(project, payload, &table), 3);
    const QByteArray afterFirst = ObjectPayloadBytes(project.CurrentObjects());
    ASSERT_EQ(PasteObjects(project, payload, &table), 3);
    const QByteArray afterSecond = ObjectPayloadBytes(project.CurrentObjects());
    EXPECT_NE(project.CurrentObjects()[7]->ID, project.CurrentObjects()[10]->ID);

    UndoStep(project);
    EXPECT_EQ(ObjectPayloadBytes(project.CurrentObjects()), afterFirst);
    RedoStep(project);
    EXPECT_EQ(ObjectPayloadBytes(project.CurrentObjects()), afterSecond);
    UndoStep(project);
    UndoStep(project);
    EXPECT_EQ(project.CurrentObjects().size(), 7u);
    EXPECT_FALSE(CanUndo(project));
}

TEST(ClipBoard, DamagedPayloadsPasteNothingAndChangeNothing) {
    TProject project;
    TRecordingTable table;
    DrawEveryType(project, table);
    const QByteArray payload = ObjectPayloadBytes(project.CurrentObjects());
    // Where the records of the image and of the shape after it start and where the image's
    // width stands, just before its pixels.
    qsizetype imageStart = 8;
    for (int i = 0; i < ImageTypeCode; ++i)
        imageStart += RecordOf(*project.CurrentObjects()[i]).size();
    const qsizetype shapeStart =
        imageStart + RecordOf(*project.CurrentObjects()[ImageTypeCode]).size();
    const qsizetype imageWidthAt = shapeStart - PlacementSize - 3 * ImageWidth * ImageHeight - 8;
    ASSERT_EQ(payload.mid(imageWidthAt, 8), Int32(ImageWidth) + Int32(ImageHeight));

    // A history with a redo record, which a refused paste must keep.
    TFrameEdit(project).Added(*project.CurrentObjects()[0]);
    TFrameEdit(project).Added(*project.CurrentObjects()[1]);
    UndoStep(project);
    const QByteArray objectsBefore = ObjectPayloadBytes(project.CurrentObjects());
    const TBitmapStore storeBefore = project.BitmapStore;

    const auto withInt32 = [&](qsizetype at, std::int32_t value) {
        return QByteArray(payload).replace(at, 4, Int32(value));
    };
    const auto withImageSize = [&](std::int32_t width, std::int32_t height) {
        return withInt32(imageWidthAt, width).replace(imageWidthAt + 4, 4, Int32(height));
    };
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"wrong magic", withInt32(0, 1235)},
        {"huge count", withInt32(4, 0x7FFFFFFF)},
        {"one record more than held", withInt32(4, 8)},
        {"type code 9", withInt32(8, 9)},
        {"type code -1 after the image", withInt32(shapeStart, -1)},
        {"absurd image size", withImageSize(100000, 100000)},
        {"image larger than the rest", withImageSize(ImageWidth, 1000)},
        {"cut in the first record", payload.left(20)},
        {"cut in the image's pixels", payload.left(imageWidthAt + 12)},
        {"cut before the last record", payload.left(shapeStart)},
        {"last byte missing", payload.chopped(1)},
    };
    for (const auto& damaged : cases) {
        EXPECT_EQ(PasteObjects(project, damaged.Bytes, &table), 0) << damaged.Name;
        EXPECT_EQ(ObjectPayloadBytes(project.CurrentObjects()), objectsBefore) << damaged.Name;
        EXPECT_EQ(project.BitmapStore, storeBefore) << damaged.Name;
        EXPECT_EQ(project.CurrentUndo().size(), 1u) << damaged.Name;
        EXPECT_EQ(project.CurrentRedo().size(), 1u) << damaged.Name;
    }
}

TEST(ClipBoard, PasteOutsideTheMasterFrameChangesNothing) {
    TProject project;
    TRecordingTable table;
    DrawEveryType(project, table);
    const QByteArray payload = ObjectPayloadBytes(project.CurrentObjects());
    project.CurrentFrame = 1;
    EXPECT_EQ(PasteObjects(project, payload, &table), 0);
    EXPECT_TRUE(project.CurrentObjects().empty());
    EXPECT_FALSE(CanUndo(project));
}
