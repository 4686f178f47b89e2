#include "app/CommandLine.h"
#include "KelvroProcess.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
std::optional<TCommandLine> Parse(QStringList arguments, QString& error) {
    arguments.prepend(QStringLiteral("kelvro"));
    return ParseCommandLine(arguments, error);
}

} // namespace

TEST(CommandLine, TheEditorOpensTheFirstProjectNamed) {
    QString error;
    const auto line = Parse({QStringLiteral("film.kvp")}, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Mode, TCommandLine::TMode::Editor);
    EXPECT_EQ(line->Project, QStringLiteral("film.kvp"));
    const auto two = Parse({QStringLiteral("a.kvp"), QStringLiteral("b.kvp")}, error);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->Project, QStringLiteral("a.kvp"));
    const auto empty = Parse({}, error);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->Project.isEmpty());
}

TEST(CommandLine, ExportTakesOutputRangeAndCodec) {
    QString error;
    const auto line =
        Parse({"--export", "out.avi", "--frames", "2-9", "--codec", "mjpeg", "film.kvp"}, error);
    ASSERT_TRUE(line) << error.toStdString();
    EXPECT_EQ(line->Mode, TCommandLine::TMode::Export);
    EXPECT_EQ(line->Output, QStringLiteral("out.avi"));
    EXPECT_EQ(line->Frames, QStringLiteral("2-9"));
    EXPECT_EQ(line->Codec, QStringLiteral("mjpeg"));
    EXPECT_EQ(line->Project, QStringLiteral("film.kvp"));
}

TEST(CommandLine, DumpTakesAFrameNumber) {
    QString error;
    const auto line = Parse({"--dump", "--frame", "3", "film.kvp"}, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Mode, TCommandLine::TMode::Dump);
    EXPECT_EQ(line->Frame, 3);
    EXPECT_FALSE(Parse({"--dump", "film.kvp"}, error)->Frame.has_value());
}

TEST(CommandLine, RejectsMixedOrIncompleteOptions) {
    const std::vector<QStringList> wrong = {
        {"--export", "a.bmp", "--dump", "p.kvp"},
        {"--frames", "1-2", "p.kvp"},
        {"--codec", "x", "p.kvp"},
        {"--frame", "2", "p.kvp"},
        {"--dump"},
        {"--export", "a.bmp"},
        {"--dump", "--frame", "two", "p.kvp"},
        {"--dump", "a.kvp", "b.kvp"},
        {"--unknown", "p.kvp"},
    };
    for (const QStringList& arguments : wrong) {
        QString error;
        EXPECT_FALSE(Parse(arguments, error)) << arguments.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty()) << arguments.join(' ').toStdString();
    }
}

TEST(CommandLineProgram, HelpAndVersionNeedNoDisplay) {
    const TKelvroRun help = RunKelvro({QStringLiteral("--help")});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(help.Out).contains(QStringLiteral("--export")));
    EXPECT_TRUE(QString::fromUtf8(help.Out).contains(QStringLiteral("--dump")));
    const TKelvroRun version = RunKelvro({QStringLiteral("--version")});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(version.Out).contains(QStringLiteral("1.0")));
}

TEST(CommandLineProgram, HeadlessFailuresAreOneLineAndStatusOne) {
    const QString missing = QDir(TestScratchFolder()).filePath(QStringLiteral("missing.kvp"));
    for (const QStringList& arguments :
         {QStringList{"--dump", missing}, QStringList{"--export", "out.bmp", missing},
          QStringList{"--dump"}}) {
        const TKelvroRun run = RunKelvro(arguments);
        EXPECT_EQ(run.ExitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.Err.count(QLatin1Char('\n')), 1) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.startsWith(QStringLiteral("kelvro: "))) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
    }
}
