#include "core/anim/Anim.h"
#include "core/io/ProjectFile.h"
#include "core/model/ImageLimits.h"
#include "core/model/Stream.h"
#include "core/objects/ObjectRecord.h"
#include "core/objects/TypesBitmap.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

// Eight pixels of eight different colours, so their bytes are found in a file only as a block.
QImage Distinct() {
    QImage image(4, 2, QImage::Format_RGB888);
    for (int i = 0; i < 8; ++i)
        image.setPixel(i % 4, i / 4, qRgb(0x10 + i, 0x80 + i, 0xE0 + i));
    return image;
}

// The pixel rows as a file holds them: blue, green, red.
QByteArray FileRows(const QImage& image) {
    QByteArray rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            rows.append(static_cast<char>(qBlue(pixel)));
            rows.append(static_cast<char>(qGreen(pixel)));
            rows.append(static_cast<char>(qRed(pixel)));
        }
    return rows;
}

// A full image record written field by field, then read back into the store.
std::unique_ptr<TTypesObject> ImageObject(TBitmapStore& store, const QString& id,
                                          const QString& name, QImage pixels,
                                          qint64 claimedWidth = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    TStream stream(buffer);
    stream.WriteInteger(5);
    stream.WriteProps(TProps());
    stream.WriteString(id);
    stream.WriteString(name);
    for (int flag = 0; flag < 5; ++flag)
        stream.WriteBoolean(true);
    stream.WriteInteger(0);
    if (claimedWidth < 0) {
        stream.WriteBitmap(pixels);
    } else {
        stream.WriteInteger(static_cast<std::int32_t>(claimedWidth));
        stream.WriteInteger(static_cast<std::int32_t>(claimedWidth));
    }
    for (const Extended value : {0.0L, 1.0L, 1.0L, 1.0L, 100.0L, 50.0L})
        stream.WriteExtended(value);
    buffer.seek(0);
    return ReadObjectRecord(stream, {nullptr, 1, &store});
}

const TTypesBitmap& ImageAt(const TProject& project, int frame, std::size_t index) {
    return dynamic_cast<const TTypesBitmap&>(*project.Frames[frame]->Objects.at(index));
}

void AddCopy(TProject& project, const TTypesObject& master, int frame, Extended dx) {
    auto copy = CloneObject(&master, 1);
    copy->Move(dx, 0);
    project.Frames[frame]->Objects.push_back(std::move(copy));
}

QByteArray Saved(TProject& project) {
    return ProjectFileBytes(project);
}

void Load(TProject& project, QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TStream stream(buffer);
    ASSERT_EQ(ReadProject(stream, project, nullptr), TLoadResult::Loaded);
}

} // namespace

TEST(BitmapRecord, CopiesInOtherFramesTakeTheMastersPixelsStoredOnce) {
    TProject project;
    auto master = ImageObject(project.BitmapStore, QStringLiteral("{BILD}"),
                              QStringLiteral("Sonne"), Distinct());
    AddCopy(project, *master, 5, 30);
    AddCopy(project, *master, 9, 60);
    project.Master().Objects.push_back(std::move(master));
    const QByteArray bytes = Saved(project);
    EXPECT_EQ(bytes.count(FileRows(Distinct())), 1);

    TProject loaded;
    Load(loaded, bytes);
    ASSERT_EQ(loaded.BitmapStore.size(), 1u);
    const TTypesBitmap& sun = ImageAt(loaded, 0, 0);
    EXPECT_EQ(sun.ObjName, QStringLiteral("Sonne"));
    EXPECT_EQ(sun.Bitmap(), loaded.BitmapStore[0]);
    EXPECT_EQ(sun.Bitmap()->pixel(3, 1), Distinct().pixel(3, 1));
    for (const auto& [frame, x] : {std::pair{5, 130.0L}, std::pair{9, 160.0L}}) {
        const TTypesBitmap& copy = ImageAt(loaded, frame, 0);
        EXPECT_EQ(copy.ID, QStringLiteral("{BILD}"));
        EXPECT_TRUE(copy.ObjName.isEmpty());
        EXPECT_EQ(copy.Centre().X, x);
        EXPECT_EQ(copy.Bitmap(), loaded.BitmapStore[0]) << frame;
    }
    // An in-between frame built from those keys shows the same pixels.
    BuildFrame(loaded, 7);
    EXPECT_EQ(ImageAt(loaded, 7, 0).Bitmap(), loaded.BitmapStore[0]);
    EXPECT_EQ(ImageAt(loaded, 7, 0).Centre().X, 145);
}

TEST(BitmapRecord, OrphanedCopiesGetNoImageAndGoAtTheNextBuild) {
    TProject project;
    auto kept = ImageObject(project.BitmapStore, QStringLiteral("{DA}"), QString(), Distinct());
    auto lost = ImageObject(project.BitmapStore, QStringLiteral("{WEG}"), QString(), Distinct());
    AddCopy(project, *lost, 5, 10);
    project.Master().Objects.push_back(std::move(kept));

    TProject loaded;
    Load(loaded, Saved(project));
    EXPECT_EQ(loaded.BitmapStore.size(), 1u);
    ASSERT_EQ(loaded.Frames[5]->Objects.size(), 1u);
    EXPECT_FALSE(ImageAt(loaded, 5, 0).Bitmap());
    BuildFrame(loaded, 5);
    ASSERT_EQ(loaded.Frames[5]->Objects.size(), 1u);
    EXPECT_EQ(ImageAt(loaded, 5, 0).ID, QStringLiteral("{DA}"));
    EXPECT_EQ(ImageAt(loaded, 5, 0).Bitmap(), loaded.BitmapStore[0]);
}

TEST(BitmapRecord, ARecordClaimingAHugeImageIsRefusedWithoutAllocating) {
    TBitmapStore store;
    try {
        ImageObject(store, QStringLiteral("{X}"), QString(), QImage(), 30000);
        FAIL() << "a 30000 x 30000 image was accepted";
    } catch (const TStreamError& error) {
        EXPECT_EQ(QString::fromStdString(error.what()), ImageTooLargeText(30000, 30000));
    }
    EXPECT_TRUE(store.empty());
}
