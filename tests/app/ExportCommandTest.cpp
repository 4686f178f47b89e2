#include "core/io/ProjectFile.h"
#include "core/objects/TypesPolyline.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>

#include "KelvroProcess.h"

namespace {

struct TExportRun {
    int ExitCode = -1;
    QString Out;
    QStringList ErrLines;
};

// Runs "kelvro --export output [options] project".
TExportRun Export(const QString& output, const QString& project, const QStringList& options = {}) {
    const TKelvroRun run =
        RunKelvro(QStringList{"--export", output} + options + QStringList{project});
    return {run.ExitCode, QString::fromUtf8(run.Out),
            run.Err.split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
}

// A fresh folder holding a 64 x 48 project of 6 frames played from frame 2 to 4 (1-based).
QString ProjectFolder(const QString& name) {
    QDir scratch(TestScratchFolder());
    scratch.mkpath(name);
    const QString folder = scratch.filePath(name);
    TProject project;
    project.ProjectWidth = 64;
    project.ProjectHeight = 48;
    project.FrameCount = 6;
    CreateFrames(project, 6);
    project.PlayStart = 1;
    project.PlayEnd = 3;
    auto line = std::make_unique<TTypesPolyline>(1.0L);
    line->SetPoints({{0, 10}, {64, 10}});
    line->SetAllKeyFrames();
    project.Frames[0]->Objects.push_back(std::move(line));
    SaveProject(project, folder + "/film.kvp");
    return folder;
}

QStringList FilesIn(const QString& folder, const QString& pattern) {
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

} // namespace

TEST(ExportCommand, WritesThePlaybackRangeAsANumberedSeries) {
    const QString folder = ProjectFolder("play");
    const TExportRun run = Export(folder + "/walk.BMP", folder + "/film.kvp");
    EXPECT_EQ(run.ExitCode, 0) << run.ErrLines.join('\n').toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_EQ(run.ErrLines, (QStringList{"frame 1/3", "frame 2/3", "frame 3/3"}));
    EXPECT_EQ(FilesIn(folder, "walk*"), (QStringList{"walk1.bmp", "walk2.bmp", "walk3.bmp"}));
    EXPECT_EQ(QFileInfo(folder + "/walk1.bmp").size(), 54 + 48 * 192);
}

TEST(ExportCommand, FramesPicksTheRangeAndPngWritesPngFiles) {
    const QString folder = ProjectFolder("range");
    EXPECT_EQ(Export(folder + "/a.png", folder + "/film.kvp", {"--frames", "2-5"}).ExitCode, 0);
    EXPECT_EQ(FilesIn(folder, "a*"), (QStringList{"a1.png", "a2.png", "a3.png", "a4.png"}));
    EXPECT_FALSE(QImage(folder + "/a4.png").isNull());
    EXPECT_EQ(Export(folder + "/b.bmp", folder + "/film.kvp", {"--frames", "6"}).ExitCode, 0);
    EXPECT_EQ(FilesIn(folder, "b*"), QStringList{"b1.bmp"});
}

TEST(ExportCommand, VideosAreWrittenWholeUnderTheirOwnName) {
    const QString folder = ProjectFolder("video");
    // The default, uncompressed, last: its size shows the frames are in.
    for (const QStringList& options : {QStringList{"--codec", "mjpeg"}, QStringList{}}) {
        const TExportRun run = Export(folder + "/v.avi", folder + "/film.kvp", options);
        EXPECT_EQ(run.ExitCode, 0) << run.ErrLines.join('\n').toStdString();
        EXPECT_EQ(run.ErrLines.size(), 3);
        EXPECT_EQ(FilesIn(folder, "v*"), QStringList{"v.avi"});
    }
    EXPECT_GT(QFileInfo(folder + "/v.avi").size(), 3 * 48 * 192);
    EXPECT_EQ(Export(folder + "/v.gif", folder + "/film.kvp").ExitCode, 0);
    EXPECT_TRUE(QImage(folder + "/v.gif").format() != QImage::Format_Invalid);
}

// The program finds its video library beside itself; a copy without it, or beside a broken one,
// still writes everything else and says why a video cannot be written.
TEST(ExportCommand, WithoutItsVideoLibraryOnlyVideosFail) {
    for (const bool broken : {false, true}) {
        const QString folder = ProjectFolder(broken ? "broken-library" : "no-library");
        const QString program = folder + "/kelvro";
        ASSERT_TRUE(QFile::copy(KELVRO_EXECUTABLE, program));
        if (broken) {
            QFile library(folder + "/libkelvro_video.so");
            ASSERT_TRUE(library.open(QIODevice::WriteOnly));
            library.write("not a library");
        }
        const TKelvroRun video =
            RunKelvro({"--export", folder + "/v.avi", folder + "/film.kvp"}, program);
        EXPECT_EQ(video.ExitCode, 1);
        EXPECT_EQ(video.Err.count('\n'), 1) << video.Err.toStdString();
        EXPECT_TRUE(video.Err.startsWith(
            "kelvro: Video export is not available: " +
            QString(broken ? "cannot load " + folder : "libkelvro_video.so is neither")))
            << video.Err.toStdString();
        EXPECT_EQ(FilesIn(folder, "v*"), QStringList());
        const TKelvroRun series =
            RunKelvro({"--export", folder + "/s.bmp", folder + "/film.kvp"}, program);
        EXPECT_EQ(series.ExitCode, 0) << series.Err.toStdString();
        EXPECT_EQ(FilesIn(folder, "s*.bmp").size(), 3);
    }
}

// The film of ProjectFolder with its playback range stored at the integer limit.
QString FilmPlayingToTheLimit(const QString& folder) {
    TProject project;
    EXPECT_EQ(LoadProject(project, folder + "/film.kvp", nullptr), TLoadResult::Loaded);
    project.PlayEnd = std::numeric_limits<std::int32_t>::max();
    SaveProject(project, folder + "/far.kvp");
    return folder + "/far.kvp";
}

TEST(ExportCommand, FailuresAreOneLineStatusOneAndWriteNothing) {
    const QString folder = ProjectFolder("fail");
    const QString film = folder + "/film.kvp";
    const QString x = folder + "/x.bmp";
    const QString pipe = folder + "/pipe.kvp";
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    struct TFailure {
        QString Output;
        QString Project;
        QStringList Options;
        QString Reason;
    };
    const std::vector<TFailure> failures = {
        {x, film, {"--frames", "0-2"}, "outside frames 1..6"},
        {x, film, {"--frames", "5-7"}, "outside frames 1..6"},
        {x, film, {"--frames", "4-3"}, "empty"},
        {x, film, {"--frames", "two"}, "FIRST-LAST or N"},
        {x, film, {"--codec", "mjpeg"}, "--codec"},
        {folder + "/x.jpg", film, {}, "unknown output extension"},
        {folder + "/missing/x.GIF", film, {}, "cannot write into the folder"},
        {folder + "/x.avi", film, {"--codec", "vp9"}, "--codec vp9: not offered for avi files"},
        {folder + "/x.mp4", film, {"--codec", "nonesuch"}, "not offered for mp4 files"},
        {folder + "/x.mkv", film, {"--frames", "7"}, "outside frames 1..6"},
        {folder + "/missing/x.webm", film, {}, "cannot write into the folder"},
        {folder + "/missing/x.bmp", film, {}, "cannot write into the folder"},
        {folder + "/missing/../x.bmp", film, {}, "cannot write into the folder"},
        {x, folder + "/none.kvp", {}, "no such project file"},
        {x, folder, {}, "not a project file"},
        {x, pipe, {}, "not a project file"},
        {x, QStringLiteral(KELVRO_TEST_DATA "/wide-by-one-byte.kvp"), {}, "16711880 x 400"},
        {x, FilmPlayingToTheLimit(folder), {}, "playback range 2-2147483648: outside frames 1..6"},
    };
    for (const TFailure& failure : failures) {
        const TExportRun run = Export(failure.Output, failure.Project, failure.Options);
        const std::string shown = (failure.Output + " " + failure.Options.join(' ')).toStdString();
        EXPECT_EQ(run.ExitCode, 1) << shown;
        ASSERT_EQ(run.ErrLines.size(), 1) << shown << "\n" << run.ErrLines.join('\n').toStdString();
        EXPECT_TRUE(run.ErrLines[0].startsWith("kelvro: ")) << run.ErrLines[0].toStdString();
        EXPECT_TRUE(run.ErrLines[0].contains(failure.Reason)) << run.ErrLines[0].toStdString();
    }
    EXPECT_EQ(FilesIn(folder, "x*"), QStringList());
}
