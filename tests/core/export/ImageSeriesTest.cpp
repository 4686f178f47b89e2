#include "core/export/ImageSeries.h"
#include "BarProject.h"
#include "LittleEndian.h"
#include "core/anim/Anim.h"
#include "core/export/BmpFile.h"
#include "core/export/ExportError.h"
#include "core/export/FileNames.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// A fresh folder for one test's files.
QString Folder(const QString& name) {
    QDir scratch(TestScratchFolder());
    scratch.mkpath(name);
    return scratch.filePath(name);
}

// The row of the BMP (counted from the top) whose first pixel is dark.
int DarkRow(const QString& fileName) {
    const QImage image(fileName);
    for (int y = 0; y < image.height(); ++y)
        if (qGray(image.pixel(5, y)) < 128)
            return y;
    return -1;
}

} // namespace

TEST(ReplaceFileExt, ReplacesOnlyTheExtensionOfTheFileNamePart) {
    EXPECT_EQ(ReplaceFileExt("/clips/walk.xyz", ".avi"), "/clips/walk.avi");
    EXPECT_EQ(ReplaceFileExt("/clips/walk", ".avi"), "/clips/walk.avi");
    EXPECT_EQ(ReplaceFileExt("/clips.old/walk", ".avi"), "/clips.old/walk.avi");
    EXPECT_EQ(ReplaceFileExt("walk.tar.gz", ".bmp"), "walk.tar.bmp");
    EXPECT_EQ(ReplaceFileExt("walk.bmp", ""), "walk");
    EXPECT_EQ(ReplaceFileExt("walk.", ".png"), "walk.png");
}

TEST(SeriesNames, NumberFromOneWithoutLeadingZeros) {
    const QString base = SeriesBaseName("/out/walk.bmp", ".bmp");
    EXPECT_EQ(base, "/out/walk");
    EXPECT_EQ(SeriesBaseName("/out/walk", ".bmp"), base);
    EXPECT_EQ(SeriesBaseName("/out/walk.gif", ".bmp"), base);
    EXPECT_EQ(SeriesFileName(base, 0, ".bmp"), "/out/walk1.bmp");
    EXPECT_EQ(SeriesFileName(base, 8, ".bmp"), "/out/walk9.bmp");
    EXPECT_EQ(SeriesFileName(base, 9, ".bmp"), "/out/walk10.bmp");
}

TEST(BmpFile, IsA24BitBottomUpBitmapWithPaddedRows) {
    QImage image(321, 240, QImage::Format_RGB32);
    image.fill(0xFFFFFFFF);
    image.setPixel(0, 0, 0xFF102030);
    image.setPixel(0, 239, 0xFF405060);
    const QByteArray bytes = EncodeBmp(image);
    ASSERT_EQ(bytes.size(), 231414);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(Read32(bytes, 2), 231414u);
    EXPECT_EQ(Read32(bytes, 6), 0u);
    EXPECT_EQ(Read32(bytes, 10), 54u);
    EXPECT_EQ(Read32(bytes, 14), 40u);
    EXPECT_EQ(Read32(bytes, 18), 321u);
    EXPECT_EQ(Read32(bytes, 22), 240u);
    EXPECT_EQ(Read16(bytes, 26), 1u);
    EXPECT_EQ(Read16(bytes, 28), 24u);
    EXPECT_EQ(Read32(bytes, 30), 0u);
    EXPECT_EQ(Read32(bytes, 34), 231360u);
    // The first row stored is the bottom one, blue first; each row ends in one zero byte.
    EXPECT_EQ(bytes.mid(54, 3), QByteArray("\x60\x50\x40", 3));
    EXPECT_EQ(bytes.mid(54 + 964 * 239, 3), QByteArray("\x30\x20\x10", 3));
    EXPECT_EQ(bytes[54 + 963], '\0');
    EXPECT_EQ(QImage::fromData(bytes).pixel(0, 239), 0xFF405060u);

    const QImage other = image.convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(EncodeBmp(other), bytes);
}

TEST(ImageSeries, WritesTheRangeNumberedFromOneAndOverwritesOnlyItsOwnFiles) {
    TProject project = BarProject(14);
    const QString folder = Folder("range");
    const QString chosen = folder + "/walk.bmp";
    EXPECT_EQ(ExportImageSeries(project, chosen, TSeriesFormat::Bmp, 9, 5), 5);
    for (int n = 1; n <= 5; ++n) {
        const QFileInfo file(folder + QStringLiteral("/walk%1.bmp").arg(n));
        ASSERT_TRUE(file.exists()) << n;
        EXPECT_EQ(file.size(), 231414);
        EXPECT_EQ(DarkRow(file.filePath()), 9 + n - 1);
    }
    EXPECT_FALSE(QFileInfo::exists(folder + "/walk6.bmp"));

    EXPECT_EQ(ExportImageSeries(project, folder + "/walk", TSeriesFormat::Bmp, 0, 2), 2);
    EXPECT_EQ(DarkRow(folder + "/walk1.bmp"), 0);
    EXPECT_EQ(DarkRow(folder + "/walk3.bmp"), 11);
}

TEST(ImageSeries, StopsWhenTheProgressSaysSo) {
    TProject project = BarProject(12);
    const QString folder = Folder("cancel");
    std::vector<int> seen;
    const int written = ExportImageSeries(project, folder + "/walk.bmp", TSeriesFormat::Bmp, 0, 12,
                                          [&seen](int done, int count) {
                                              EXPECT_EQ(count, 12);
                                              seen.push_back(done);
                                              return done < 3;
                                          });
    EXPECT_EQ(written, 3);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);
}

TEST(ImageSeries, PngFilesShowTheSamePixels) {
    TProject project = BarProject(4);
    const QString folder = Folder("png");
    ExportImageSeries(project, folder + "/walk.PNG", TSeriesFormat::Png, 2, 1);
    ExportImageSeries(project, folder + "/walk.bmp", TSeriesFormat::Bmp, 2, 1);
    const QImage png(folder + "/walk1.png");
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              QImage(folder + "/walk1.bmp").convertToFormat(QImage::Format_RGB32));
}

TEST(ImageSeries, FailuresAreReportedAndTheCurrentFrameIsBuiltAgain) {
    TProject project = BarProject(6);
    project.CurrentFrame = 3;
    BuildFrame(project, 3);
    const QString missing = Folder("fail") + "/no/such/folder/walk.bmp";
    try {
        ExportImageSeries(project, missing, TSeriesFormat::Bmp, 0, 2);
        ADD_FAILURE() << "no error";
    } catch (const TExportError& error) {
        EXPECT_TRUE(QString(error.what()).contains("walk1.bmp")) << error.what();
    }
    EXPECT_EQ(project.Frames[3]->Objects.size(), 1u);
    EXPECT_THROW(ExportImageSeries(project, Folder("fail") + "/a.bmp", TSeriesFormat::Bmp, 4, 3),
                 TExportError);
    EXPECT_FALSE(QFileInfo::exists(Folder("fail") + "/a1.bmp"));
    QDir(Folder("fail")).mkpath("c3.bmp");
    EXPECT_THROW(ExportImageSeries(project, Folder("fail") + "/c.bmp", TSeriesFormat::Bmp, 0, 5),
                 TExportError);
    EXPECT_EQ(QDir(Folder("fail")).entryList({"c*"}, QDir::AllEntries, QDir::Name),
              (QStringList{"c1.bmp", "c2.bmp", "c3.bmp"}));
    EXPECT_TRUE(project.Frames[2]->Objects.empty());
    EXPECT_EQ(ExportImageSeries(project, Folder("fail") + "/b.bmp", TSeriesFormat::Bmp, 2, 3), 3);
    EXPECT_EQ(project.Frames[3]->Objects.size(), 1u);
    EXPECT_FALSE(project.Frames[3]->Objects[0]->AnyKeyFrame());
}

TEST(BmpFile, TheFormatHoldsFilesUpToFourGigabytes) {
    EXPECT_EQ(BmpFileSize(1, 1), 54u + 4u);
    EXPECT_EQ(BmpFileSize(30000, 30000), 54u + 90000ull * 30000u);
    EXPECT_TRUE(BmpSizeAllowed(30000, 30000));
    EXPECT_FALSE(BmpSizeAllowed(30000, 47800));
    EXPECT_FALSE(BmpSizeAllowed(0, 10));
}

TEST(ImageSeries, ASizeTheFormatCannotHoldFailsBeforeAnyFrameIsPainted) {
    TProject project;
    project.ProjectWidth = 30000;
    project.ProjectHeight = 47800;
    const QString folder = Folder("huge");
    EXPECT_THROW(ExportImageSeries(project, folder + "/big.bmp", TSeriesFormat::Bmp, 0, 1),
                 TExportError);
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
}
