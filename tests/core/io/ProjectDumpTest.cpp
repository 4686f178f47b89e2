#include "core/io/ProjectDump.h"
#include "core/objects/TypesPolygon.h"
#include "core/objects/TypesPolyline.h"

#include <QJsonDocument>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
using TKeys = QSet<QString>;

const TKeys CommonKeys = {"type",          "id",
                          "name",          "keyFrameMove",
                          "keyFrameTurn",  "keyFrameStretch",
                          "keyFrameTrans", "keyFrameColor",
                          "props"};

TKeys KeysOf(const QJsonObject& object) {
    const QStringList keys = object.keys();
    return {keys.begin(), keys.end()};
}

QJsonObject Parsed(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

std::unique_ptr<TTypesPolyline> Line(const TPolyPointsEx& points) {
    auto line = std::make_unique<TTypesPolyline>(nullptr, TProps(), 1.0L);
    line->SetPoints(points);
    return line;
}

// Three frames: a polyline and a polygon in the master frame, a moved copy in frame 2.
TProject SampleProject() {
    TProject project;
    ResizeFrames(project, 3);
    project.PlayStart = 1;
    project.PlayEnd = 2;
    project.BackgroundColor = clNone;
    auto line = Line({{0.1L, 1.0L / 3}, {-7, 2.5L}});
    line->ObjName = QStringLiteral("Linie");
    line->SetAllKeyFrames();
    auto polygon = std::make_unique<TTypesPolygon>(nullptr, TProps(), 1.0L);
    polygon->SetPoints({{1, 2}});
    auto copy = CloneObject(line.get(), 1.0L);
    copy->KeyFrameColor = false;
    project.Frames[2]->Objects.push_back(std::move(copy));
    project.Master().Objects.push_back(std::move(line));
    project.Master().Objects.push_back(std::move(polygon));
    return project;
}
} // namespace

TEST(ProjectDump, KeysAreExactlyThoseOfTheDocumentedFormat) {
    const QJsonObject dump = Parsed(DumpProject(SampleProject()));
    EXPECT_EQ(KeysOf(dump),
              (TKeys{"width", "height", "frameCount", "framesPerSec", "playStart", "playEnd",
                     "backgroundType", "backgroundColor", "backgroundImage", "hasBackgroundBitmap",
                     "showPaths", "splines", "frames"}));
    const QJsonObject master = dump["frames"][0].toObject();
    EXPECT_EQ(KeysOf(master), (TKeys{"frame", "objects"}));
    const QJsonObject line = master["objects"][0].toObject();
    const QJsonObject polygon = master["objects"][1].toObject();
    EXPECT_EQ(KeysOf(line), (CommonKeys + TKeys{"points"}));
    EXPECT_EQ(KeysOf(polygon), (CommonKeys + TKeys{"points", "closed"}));
    EXPECT_EQ(KeysOf(line["props"].toObject()),
              (TKeys{"brushColor", "brushShow", "penColor", "penWidth", "penShow", "fontName",
                     "fontSize", "fontStyle", "trans", "transColor", "mask"}));
    EXPECT_EQ(line["type"], QStringLiteral("Polyline"));
    EXPECT_EQ(polygon["type"], QStringLiteral("Polygon"));
    EXPECT_EQ(polygon["closed"], false);
}

TEST(ProjectDump, FramesAndPlaybackCountFromOneAndColoursAreTColorValues) {
    TProject project = SampleProject();
    project.BackgroundBitmap = QImage(1, 1, QImage::Format_RGB888);
    const QByteArray json = DumpProject(project);
    const QJsonObject dump = Parsed(json);
    EXPECT_EQ(dump["frameCount"], 3);
    EXPECT_EQ(dump["playStart"], 2);
    EXPECT_EQ(dump["playEnd"], 3);
    EXPECT_EQ(dump["hasBackgroundBitmap"], true);
    EXPECT_TRUE(json.contains("\"backgroundColor\": 536870911,"));
    const QJsonArray frames = dump["frames"].toArray();
    ASSERT_EQ(frames.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(frames[i]["frame"], i + 1);
    const QJsonObject copy = frames[2]["objects"][0].toObject();
    EXPECT_EQ(copy["id"], project.Master().Objects[0]->ID);
    EXPECT_EQ(copy["name"], QStringLiteral("Linie"));
    EXPECT_EQ(copy["keyFrameMove"], true);
    EXPECT_EQ(copy["keyFrameColor"], false);
    EXPECT_EQ(copy["props"]["penColor"], clNone);
    EXPECT_EQ(copy["props"]["trans"], 100);
}

TEST(ProjectDump, AFrameIndexDumpsThatFrameOnly) {
    const QJsonObject dump = Parsed(DumpProject(SampleProject(), 2));
    const QJsonArray frames = dump["frames"].toArray();
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0]["frame"], 3);
    EXPECT_EQ(frames[0]["objects"].toArray().size(), 1);
    EXPECT_EQ(dump["frameCount"], 3);
}

TEST(ProjectDump, NumbersCarrySeventeenSignificantDigits) {
    const QByteArray json = DumpProject(SampleProject());
    EXPECT_TRUE(json.contains("[0.10000000000000001, 0.33333333333333331]")) << json.data();
    EXPECT_TRUE(json.contains("[-7, 2.5]"));
    const QJsonArray point = Parsed(json)["frames"][0]["objects"][0]["points"][0].toArray();
    EXPECT_EQ(point[0].toDouble(), 0.1);
    EXPECT_EQ(point[1].toDouble(), static_cast<double>(1.0L / 3));
}

TEST(ProjectDump, ValuesJsonCannotHoldStayValid) {
    TProject project;
    const Extended infinity = std::numeric_limits<Extended>::infinity();
    project.Master().Objects.push_back(Line({{std::nanl(""), infinity}, {1e-320L, 1e308L}}));
    project.Master().Objects[0]->ObjName = QStringLiteral("\"A\\B\"\n\t\x01 Größe ✓ \U0001F600");
    const QJsonObject object = Parsed(DumpProject(project))["frames"][0]["objects"][0].toObject();
    EXPECT_TRUE(object["points"][0][0].isNull());
    EXPECT_TRUE(object["points"][0][1].isNull());
    EXPECT_EQ(object["points"][1][0].toDouble(), 1e-320);
    EXPECT_EQ(object["points"][1][1].toDouble(), 1e308);
    EXPECT_EQ(object["name"], project.Master().Objects[0]->ObjName);
}

TEST(ProjectDump, APlaybackRangeStoredAtTheIntegerLimitIsShownExactly) {
    TProject project = SampleProject();
    project.PlayStart = std::numeric_limits<std::int32_t>::max();
    project.PlayEnd = std::numeric_limits<std::int32_t>::max();
    const QByteArray json = DumpProject(project);
    EXPECT_TRUE(json.contains("\"playStart\": 2147483648,")) << json.left(300).toStdString();
    EXPECT_TRUE(json.contains("\"playEnd\": 2147483648,"));
}
