#include "core/io/ProjectFile.h"
#include "core/model/Stream.h"
#include "core/objects/TypesPolygon.h"
#include "core/objects/TypesPolyline.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

namespace {
// Where the counts sit in a project of no background image whose master frame starts with a
// polyline with an empty name.
constexpr int FrameCountOffset = 39;
constexpr int FirstObjectCountOffset = 43;
constexpr int FirstPointCountOffset = 43 + 4 + 4 + 57 + 80 + 4 + 5;

std::unique_ptr<TTypesPolyline> Polyline(const TPolyPointsEx& points, const QString& name,
                                         const TProps& props = TProps()) {
    auto line = std::make_unique<TTypesPolyline>(nullptr, props, 1.0L);
    line->SetPoints(points);
    line->ObjName = name;
    line->SetAllKeyFrames();
    return line;
}

// Closed the way the creation tool closes an outline: a release on its first vertex.
std::unique_ptr<TTypesPolygon> ClosedTriangle(const QString& name, const TProps& props) {
    auto polygon = std::make_unique<TTypesPolygon>(nullptr, props, 1.0L);
    polygon->SetPoints({{10, 10}, {90, 10}, {90, 70}});
    bool flag = false;
    polygon->CreateMouseDown(TMouseButton::mbLeft, 0, 10, 70, flag);
    polygon->CreateMouseUp(TMouseButton::mbLeft, 0, 10, 10);
    polygon->ObjName = name;
    polygon->SetAllKeyFrames();
    return polygon;
}

// A copy for another frame that is a keyframe of the given aspects only.
std::unique_ptr<TTypesObject> Copy(const TTypesObject& master, bool move, bool trans) {
    std::unique_ptr<TTypesObject> copy = CloneObject(&master, 1.0L);
    copy->Move(3, -4);
    copy->KeyFrameMove = move;
    copy->KeyFrameTurn = copy->KeyFrameStretch = copy->KeyFrameColor = false;
    copy->KeyFrameTrans = trans;
    return copy;
}

QByteArray Record(const TTypesObject& object) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TStream stream(buffer);
    object.DataToStream(stream);
    return bytes;
}

QByteArray Serialized(TProject& project) {
    return ProjectFileBytes(project);
}

void Deserialize(QByteArray bytes, TProject& project) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TStream stream(buffer);
    ReadProject(stream, project, nullptr);
}

QByteArray Patched(QByteArray bytes, int offset, std::int32_t value) {
    const std::int32_t little = qToLittleEndian(value);
    return bytes.replace(offset, 4, reinterpret_cast<const char*>(&little), 4);
}

QImage Pattern() {
    QImage image(4, 3, QImage::Format_RGB888);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, qRgb(60 * x, 80 * y, 255 - 20 * x));
    return image;
}

TProps StyledProps() {
    TProps props;
    props.BrushColor = 0x00FF80;
    props.PenColor = 0x102030;
    props.PenWidth = 4;
    props.BrushShow = false;
    props.FontName = QStringLiteral("DejaVu Sans");
    props.FontStyle = fsBold | fsItalic;
    props.Trans = 37.5L;
    props.Mask = MASK_DIFF;
    return props;
}

// Four frames: a polyline, a closed masking triangle and an open polygon in the master frame,
// keyframe copies in frames 2 and 3, and a background image. The polyline's master flags are
// mostly cleared, as a damaged or foreign file might hold them.
void FillProject(TProject& project) {
    ResizeFrames(project, 4);
    project.BackgroundType = 1;
    project.BackgroundImage = QStringLiteral("Hintergrund.png");
    project.BackgroundBitmap = Pattern();
    auto line = Polyline({{1.0L / 3, -2.5e-7L}, {12345.678901234567890L, 0}, {-0.0L, 1e300L}},
                         QStringLiteral("Weg über Brücke"));
    line->KeyFrameTurn = line->KeyFrameStretch = line->KeyFrameTrans = false;
    line->KeyFrameColor = false;
    auto triangle = ClosedTriangle(QStringLiteral("Maske"), StyledProps());
    auto open = std::make_unique<TTypesPolygon>(nullptr, TProps(), 1.0L);
    open->SetPoints({{5, 5}, {6, 7}});
    open->SetAllKeyFrames();
    project.Frames[2]->Objects.push_back(Copy(*line, true, false));
    project.Frames[3]->Objects.push_back(Copy(*triangle, false, true));
    project.Frames[3]->Objects.push_back(Copy(*line, false, false));
    project.Master().Objects.push_back(std::move(line));
    project.Master().Objects.push_back(std::move(triangle));
    project.Master().Objects.push_back(std::move(open));
}

template <typename TObject> const TObject& As(const std::unique_ptr<TTypesObject>& object) {
    return dynamic_cast<const TObject&>(*object);
}

void ExpectSamePoints(const TPointListObject& read, const TPointListObject& saved) {
    ASSERT_EQ(read.Points().size(), saved.Points().size());
    for (std::size_t i = 0; i < saved.Points().size(); ++i) {
        EXPECT_EQ(read.Points()[i].X, saved.Points()[i].X) << i;
        EXPECT_EQ(read.Points()[i].Y, saved.Points()[i].Y) << i;
        EXPECT_EQ(std::signbit(read.Points()[i].X), std::signbit(saved.Points()[i].X)) << i;
    }
}

bool AllFlags(const TTypesObject& object) {
    return object.KeyFrameMove && object.KeyFrameTurn && object.KeyFrameStretch &&
           object.KeyFrameTrans && object.KeyFrameColor;
}

QByteArray FileBytes(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST(PointListProject, PolylineRecordTakesTwentyBytesPerPoint) {
    for (const int n : {0, 1, 3, 50}) {
        TPolyPointsEx points(n, TPointEx{1.0L, 100.0L});
        const QByteArray bytes = Record(*Polyline(points, QString()));
        EXPECT_EQ(bytes.size(), 4 + 57 + 80 + 4 + 5 + 4 + 20 * n + 10) << n;
        EXPECT_EQ(bytes.mid(150, 4), Patched(QByteArray(4, 0), 0, n)) << n;
        // The zoom closes the record.
        EXPECT_EQ(bytes.right(10).toHex(' '), "00 00 00 00 00 00 00 80 ff 3f");
    }
    const QByteArray one = Record(*Polyline({{1.0L, 100.0L}}, QStringLiteral("ab")));
    EXPECT_EQ(one.size(), 4 + 57 + 80 + 4 + 2 * 2 + 5 + 4 + 20 + 10);
    EXPECT_EQ(one.mid(one.size() - 30, 20).toHex(' '), "00 00 00 00 00 00 00 80 ff 3f "
                                                       "00 00 00 00 00 00 00 c8 05 40");
}

TEST(PointListProject, RoundTripKeepsFramesNamesFlagsAndBackground) {
    TProject saved;
    FillProject(saved);
    const QString fileName = TestScratchFolder() + QStringLiteral("/linien.kvp");
    SaveProject(saved, fileName);

    TProject loaded;
    loaded.Master().Objects.push_back(Polyline({{9, 9}}, QStringLiteral("alt")));
    ASSERT_EQ(LoadProject(loaded, fileName, nullptr), TLoadResult::Loaded);
    ASSERT_EQ(loaded.Frames.size(), 4u);
    ASSERT_TRUE(loaded.BackgroundBitmap);
    EXPECT_EQ(*loaded.BackgroundBitmap, Pattern());
    EXPECT_EQ(loaded.BackgroundImage, saved.BackgroundImage);

    const TObjectList& master = loaded.Master().Objects;
    ASSERT_EQ(master.size(), 3u);
    const auto& line = As<TTypesPolyline>(master[0]);
    ExpectSamePoints(line, As<TTypesPolyline>(saved.Master().Objects[0]));
    EXPECT_EQ(line.ObjName, QStringLiteral("Weg über Brücke"));
    const auto& triangle = As<TTypesPolygon>(master[1]);
    EXPECT_TRUE(triangle.Closed());
    EXPECT_EQ(triangle.ObjName, QStringLiteral("Maske"));
    EXPECT_EQ(triangle.GetProps(), StyledProps());
    ExpectSamePoints(triangle, As<TTypesPolygon>(saved.Master().Objects[1]));
    EXPECT_FALSE(As<TTypesPolygon>(master[2]).Closed());
    EXPECT_TRUE(master[2]->ObjName.isEmpty());
    // The master frame is a keyframe of everything, whatever the file says.
    for (const auto& object : master)
        EXPECT_TRUE(AllFlags(*object)) << object->ObjName.toStdString();

    ASSERT_TRUE(loaded.Frames[1]->Objects.empty());
    ASSERT_EQ(loaded.Frames[2]->Objects.size(), 1u);
    const auto& moved = As<TTypesPolyline>(loaded.Frames[2]->Objects[0]);
    EXPECT_EQ(moved.ID, line.ID);
    EXPECT_TRUE(moved.KeyFrameMove);
    EXPECT_FALSE(moved.KeyFrameTrans || moved.KeyFrameTurn || moved.KeyFrameColor);
    ExpectSamePoints(moved, As<TTypesPolyline>(saved.Frames[2]->Objects[0]));
    ASSERT_EQ(loaded.Frames[3]->Objects.size(), 2u);
    EXPECT_EQ(loaded.Frames[3]->Objects[0]->ID, triangle.ID);
    EXPECT_TRUE(loaded.Frames[3]->Objects[0]->KeyFrameTrans);
    EXPECT_FALSE(loaded.Frames[3]->Objects[0]->KeyFrameMove);
    EXPECT_FALSE(loaded.Frames[3]->Objects[1]->AnyKeyFrame());

    // Apart from the master flags, writing again gives the very same bytes.
    for (const auto& object : saved.Master().Objects)
        object->SetAllKeyFrames();
    EXPECT_EQ(Serialized(loaded), Serialized(saved));
}

TEST(PointListProject, AbsurdCountsAreRefusedQuicklyWithoutAllocating) {
    TProject project;
    ResizeFrames(project, 2);
    project.Master().Objects.push_back(Polyline({{1, 2}, {3, 4}}, QString()));
    project.Master().Objects.push_back(ClosedTriangle(QString(), TProps()));
    const QByteArray valid = Serialized(project);
    const int secondPointCount = FirstPointCountOffset + 4 + 2 * 20 + 10 + 4 + 57 + 80 + 4 + 5;
    TProject check;
    ASSERT_NO_THROW(Deserialize(valid, check));
    ASSERT_EQ(As<TTypesPolygon>(check.Master().Objects[1]).Points().size(), 4u);

    QElapsedTimer timer;
    timer.start();
    for (const QByteArray& damaged : {Patched(valid, FrameCountOffset, 0x7FFFFFFF),
                                      Patched(valid, FirstObjectCountOffset, 0x7FFFFFFF),
                                      Patched(valid, FirstPointCountOffset, 1000000000),
                                      Patched(valid, secondPointCount, 1000000000)}) {
        TProject target;
        EXPECT_THROW(Deserialize(damaged, target), TStreamError);
        EXPECT_EQ(target.Frames.size(), 50u);
    }
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST(PointListProject, SaveOntoAReadOnlyFileFailsAndKeepsIt) {
    const QString folder = TestScratchFolder() + QStringLiteral("/schreibgeschuetzt");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString fileName = folder + QStringLiteral("/alt.kvp");
    TProject old;
    SaveProject(old, fileName);
    const QByteArray oldBytes = FileBytes(fileName);
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(fileName, readOnly));
    // The user bits say what this process may do, which for a privileged one is everything.
    const auto modeBits = [&] {
        return QFile::permissions(fileName) &
               ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    };

    TProject changed;
    FillProject(changed);
    EXPECT_THROW(SaveProject(changed, fileName), TProjectFileError);
    EXPECT_EQ(FileBytes(fileName), oldBytes);
    EXPECT_EQ(modeBits(), readOnly);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.kvp"});
}
