#include "core/io/ProjectFile.h"
#include "core/objects/TypesPolyline.h"
#include "support/TestMain.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "KelvroProcess.h"

namespace {
TKelvroRun RunDump(const QStringList& options, const QString& project) {
    return RunKelvro(QStringList{QStringLiteral("--dump")} + options + QStringList{project});
}

// Three frames with one polyline in the master frame.
QString SavedProject() {
    const QString fileName = QDir(TestScratchFolder()).filePath(QStringLiteral("dump.kvp"));
    TProject project;
    ResizeFrames(project, 3);
    auto line = std::make_unique<TTypesPolyline>(nullptr, TProps(), 1.0L);
    line->SetPoints({{0.1L, 2}, {30, 40}});
    line->ObjName = QStringLiteral("Linie");
    project.Master().Objects.push_back(std::move(line));
    SaveProject(project, fileName);
    return fileName;
}

QJsonObject Parsed(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
    return document.object();
}
} // namespace

TEST(DumpCommand, PrintsTheWholeProjectAsJson) {
    const TKelvroRun run = RunDump({}, SavedProject());
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
    const QJsonObject dump = Parsed(run.Out);
    EXPECT_EQ(dump["frameCount"], 3);
    EXPECT_EQ(dump["playEnd"], 3);
    const QJsonArray frames = dump["frames"].toArray();
    ASSERT_EQ(frames.size(), 3);
    const QJsonObject line = frames[0]["objects"][0].toObject();
    EXPECT_EQ(line["name"], QStringLiteral("Linie"));
    EXPECT_EQ(line["keyFrameStretch"], true);
    EXPECT_EQ(line["points"][0][0].toDouble(), 0.1);
}

TEST(DumpCommand, FrameOptionPrintsOneFrame) {
    const TKelvroRun run =
        RunDump({QStringLiteral("--frame"), QStringLiteral("3")}, SavedProject());
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonArray frames = Parsed(run.Out)["frames"].toArray();
    ASSERT_EQ(frames.size(), 1);
    EXPECT_EQ(frames[0]["frame"], 3);
}

TEST(DumpCommand, FrameOutsideTheProjectIsOneLineAndStatusOne) {
    const QString project = SavedProject();
    for (const char* frame : {"0", "4", "-1"}) {
        const TKelvroRun run = RunDump({QStringLiteral("--frame"), QLatin1String(frame)}, project);
        EXPECT_EQ(run.ExitCode, 1) << frame;
        EXPECT_EQ(run.Err.count(QLatin1Char('\n')), 1) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.startsWith(QStringLiteral("kelvro: "))) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty()) << frame;
    }
}

TEST(DumpCommand, AFrameOfASplineProjectShowsTheSplinePosition) {
    const QString fileName = QDir(TestScratchFolder()).filePath(QStringLiteral("spline.kvp"));
    TProject project;
    ResizeFrames(project, 21);
    project.Splines = true;
    for (const int frame : {0, 10, 20}) {
        const Extended x = frame * 10;
        const Extended y = frame == 10 ? 100 : 0;
        auto line = std::make_unique<TTypesPolyline>(nullptr, TProps(), 1.0L);
        line->SetPoints({{x, y}, {x + 10, y}});
        line->ID = QStringLiteral("{L}");
        line->KeyFrameMove = true;
        project.Frames[static_cast<std::size_t>(frame)]->Objects.push_back(std::move(line));
    }
    SaveProject(project, fileName);

    const TKelvroRun run = RunDump({QStringLiteral("--frame"), QStringLiteral("6")}, fileName);
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QJsonArray points = Parsed(run.Out)["frames"][0]["objects"][0]["points"].toArray();
    ASSERT_EQ(points.size(), 2);
    EXPECT_EQ(points[0][0].toDouble(), 50);
    EXPECT_EQ(points[0][1].toDouble(), 69);
    EXPECT_EQ(points[1][0].toDouble(), 60);
}

TEST(DumpCommand, AProjectOfAnImpossibleSizeIsRefused) {
    const TKelvroRun run = RunDump({}, QStringLiteral(KELVRO_TEST_DATA "/wide-by-one-byte.kvp"));
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err.count(QLatin1Char('\n')), 1) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QStringLiteral("16711880 x 400"))) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
}
