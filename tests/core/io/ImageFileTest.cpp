#include "core/model/ImageFile.h"
#include "core/io/Background.h"
#include "core/model/Project.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QString WriteImage(const QString& name, const char* format) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    const QString path = QDir(TestScratchFolder()).filePath(name);
    EXPECT_TRUE(image.save(path, format));
    return path;
}

QString WriteBytes(const QString& name, const QByteArray& bytes) {
    const QString path = QDir(TestScratchFolder()).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}
} // namespace

TEST(LoadImageFile, ChoosesTheDecoderByExtensionInAnyCase) {
    for (const auto& [name, format] :
         {std::pair{"a.Png", "png"}, std::pair{"b.JPG", "jpeg"}, std::pair{"c.jpeg", "jpeg"},
          std::pair{"d.BMP", "bmp"}, std::pair{"e.gif", "png"}}) {
        // A PNG named .gif must fail: the extension, not the content, picks the decoder.
        const QString path = WriteImage(QString::fromLatin1(name), format);
        QImage image;
        const TImageLoadResult result = LoadImageFile(image, path);
        if (QString::fromLatin1(name) == QLatin1String("e.gif")) {
            EXPECT_FALSE(result.Ok);
            continue;
        }
        EXPECT_TRUE(result.Ok) << name;
        EXPECT_EQ(image.size(), QSize(3, 2)) << name;
    }
}

TEST(LoadImageFile, UnknownExtensionsLeaveTheImageEmpty) {
    const QString path = WriteImage(QStringLiteral("picture.tif"), "png");
    QImage image;
    EXPECT_TRUE(LoadImageFile(image, path).Ok);
    EXPECT_TRUE(image.isNull());
}

TEST(LoadImageFile, UndecodableFilesAreErrorsWithTheDecodersMessage) {
    const QString path = WriteBytes(QStringLiteral("broken.png"), "not an image at all");
    QImage image(1, 1, QImage::Format_RGB32);
    const TImageLoadResult result = LoadImageFile(image, path);
    EXPECT_FALSE(result.Ok);
    EXPECT_FALSE(result.Error.isEmpty());
    EXPECT_EQ(image.size(), QSize(1, 1));
}

TEST(BackgroundBitmap, LoadedOnlyForAnExistingImageBackground) {
    TProject project;
    project.BackgroundImage = WriteImage(QStringLiteral("back.png"), "png");
    UpdateBackgroundBitmap(project);
    EXPECT_FALSE(project.BackgroundBitmap.has_value());
    project.BackgroundType = 1;
    UpdateBackgroundBitmap(project);
    ASSERT_TRUE(project.BackgroundBitmap.has_value());
    EXPECT_EQ(project.BackgroundBitmap->size(), QSize(3, 2));
    project.BackgroundImage = QDir(TestScratchFolder()).filePath(QStringLiteral("gone.png"));
    UpdateBackgroundBitmap(project);
    EXPECT_FALSE(project.BackgroundBitmap.has_value());
    project.BackgroundImage.clear();
    UpdateBackgroundBitmap(project);
    EXPECT_FALSE(project.BackgroundBitmap.has_value());
}
