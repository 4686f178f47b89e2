#include "RecordingTable.h"

#include "core/model/ImageLimits.h"
#include "core/objects/ObjectRecord.h"
#include "core/model/Stream.h"
#include "core/objects/TypesBitmap.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A 4 x 2 picture: the left half pure red, the right half pure blue.
QImage TwoColours() {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}

QString ScratchFile(const QString& name) {
    return QDir(TestScratchFolder()).filePath(name);
}

QString SavedPicture(const QString& name) {
    const QString path = ScratchFile(name);
    EXPECT_TRUE(TwoColours().save(path, "png"));
    return path;
}

QString FileOf(const QString& name, const QByteArray& bytes) {
    const QString path = ScratchFile(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

std::uint32_t Crc32(const QByteArray& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray PngChunk(const char* type, const QByteArray& data) {
    QByteArray body = QByteArray(type) + data;
    QByteArray chunk(4, '\0');
    qToBigEndian(static_cast<std::uint32_t>(data.size()), chunk.data());
    chunk += body;
    QByteArray crc(4, '\0');
    qToBigEndian(Crc32(body), crc.data());
    return chunk + crc;
}

// The start of a PNG of that size: its header and an empty data chunk, but no pixels.
QByteArray PngHeader(std::uint32_t width, std::uint32_t height) {
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) + PngChunk("IDAT", {}) +
           PngChunk("IEND", {});
}

struct TPlaced {
    std::unique_ptr<TTypesBitmap> Object;
    bool Flag = false;
};

// An image object created by a click at (x, y) with the chooser answered by fileName.
TPlaced Place(TRecordingTable& table, TBitmapStore& store, const QString& fileName, int x, int y,
              Extended zoom = 1) {
    TPlaced placed;
    placed.Object = std::make_unique<TTypesBitmap>(&table, TProps(), zoom, &store);
    table.ObjectDialogs.ImageFiles << fileName;
    placed.Object->CreateMouseDown(TMouseButton::mbLeft, 0, x, y, placed.Flag);
    return placed;
}

} // namespace

TEST(TypesBitmap, PlacingAsksForAFileAndCentresItsNaturalSizeOnTheClick) {
    TRecordingTable table;
    TBitmapStore store;
    // Mixed-case extensions load like lower-case ones.
    const TPlaced placed = Place(table, store, SavedPicture(QStringLiteral("bild.Png")), 90, 40, 2);
    ASSERT_TRUE(placed.Flag);
    const TTypesBitmap& image = *placed.Object;
    EXPECT_EQ(table.ObjectDialogs.ImageFilters, QStringList{TTypesBitmap::FileFilter()});
    EXPECT_EQ(image.Centre().X, 45);
    EXPECT_EQ(image.Centre().Y, 20);
    // Four by two pixels at zoom 2 around the click.
    const TRect rect = image.GetRect();
    EXPECT_EQ(rect.Left, 86);
    EXPECT_EQ(rect.Right, 94);
    EXPECT_EQ(rect.Top, 38);
    EXPECT_EQ(rect.Bottom, 42);
    EXPECT_TRUE(image.HasChanged());
    EXPECT_TRUE(image.IsSelected());
    EXPECT_TRUE(image.KeyFrameMove && image.KeyFrameTurn && image.KeyFrameStretch &&
                image.KeyFrameTrans && image.KeyFrameColor);
    ASSERT_EQ(store.size(), 1u);
    EXPECT_EQ(store[0], image.Bitmap());
    EXPECT_EQ(image.Bitmap()->pixel(3, 1), qRgb(0, 0, 255));

    TRecordingTable other;
    TTypesBitmap jpg(&other, TProps(), 1, &store);
    QImage photo(3, 3, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    photo.save(ScratchFile(QStringLiteral("foto.JPG")), "jpeg");
    other.ObjectDialogs.ImageFiles << ScratchFile(QStringLiteral("foto.JPG"));
    bool flag = false;
    jpg.CreateMouseDown(TMouseButton::mbLeft, 0, 10, 10, flag);
    EXPECT_TRUE(flag);
    EXPECT_EQ(jpg.Bitmap()->size(), QSize(3, 3));
}

TEST(TypesBitmap, RefusedPlacementsAddNothing) {
    TRecordingTable table;
    TBitmapStore store;
    // Cancelled chooser, other buttons, then a file no decoder can read.
    EXPECT_FALSE(Place(table, store, QString(), 10, 10).Flag);
    TTypesBitmap right(&table, TProps(), 1, &store);
    bool flag = true;
    right.CreateMouseDown(TMouseButton::mbRight, 0, 10, 10, flag);
    EXPECT_FALSE(flag);
    EXPECT_EQ(table.ObjectDialogs.ImageFilters.size(), 1);
    EXPECT_TRUE(table.ObjectDialogs.Errors.isEmpty());

    const TPlaced broken =
        Place(table, store, FileOf(QStringLiteral("kaputt.png"), "no pixels here"), 10, 10);
    EXPECT_FALSE(broken.Flag);
    EXPECT_FALSE(broken.Object->Bitmap());
    ASSERT_EQ(table.ObjectDialogs.Errors.size(), 1);
    EXPECT_TRUE(table.ObjectDialogs.Errors[0].startsWith(QStringLiteral("Fehler: ")));
    EXPECT_TRUE(table.ObjectDialogs.Errors[0].contains(QStringLiteral("kaputt.png")));
    EXPECT_TRUE(store.empty());
}

TEST(TypesBitmap, ImagesBeyondTheLimitAreRefusedBeforeDecoding) {
    TRecordingTable table;
    TBitmapStore store;
    // Too wide and tall, then within both sides but beyond the pixel count.
    for (const auto& [width, height] : {std::pair{30000, 30000}, std::pair{12000, 9000}}) {
        const QString huge = FileOf(QStringLiteral("riesig.png"), PngHeader(width, height));
        table.ObjectDialogs.Errors.clear();
        EXPECT_FALSE(Place(table, store, huge, 10, 10).Flag);
        ASSERT_EQ(table.ObjectDialogs.Errors.size(), 1);
        EXPECT_TRUE(table.ObjectDialogs.Errors[0].contains(ImageTooLargeText(width, height)))
            << table.ObjectDialogs.Errors[0].toStdString();
    }
    EXPECT_TRUE(store.empty());

    EXPECT_TRUE(ImageSizeAllowed(MaxImageSide, MaxImagePixels / MaxImageSide));
    EXPECT_FALSE(ImageSizeAllowed(MaxImageSide + 1, 1));
    EXPECT_FALSE(ImageSizeAllowed(MaxImageSide, MaxImagePixels / MaxImageSide + 1));
}

TEST(TypesBitmap, AnUnknownExtensionPlacesAnEmptyImageThatDrawsNothing) {
    TRecordingTable table;
    TBitmapStore store;
    const TPlaced placed = Place(table, store, SavedPicture(QStringLiteral("bild.tif")), 30, 20);
    ASSERT_TRUE(placed.Flag);
    ASSERT_TRUE(placed.Object->Bitmap());
    EXPECT_TRUE(placed.Object->Bitmap()->isNull());
    const TRect rect = placed.Object->GetRect();
    EXPECT_EQ(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top),
              QRect(30, 20, 0, 0));
    TProps props;
    props.PenShow = true;
    placed.Object->ChangeProps(props, false);
    placed.Object->ChangeSelection(false, false);
    table.BeginPaint(60, 40);
    placed.Object->Paint(&table);
    const QImage& painted = table.EndPaint();
    QImage white(painted.size(), painted.format());
    white.fill(Qt::white);
    EXPECT_EQ(painted, white);
}

TEST(TypesBitmap, CopiesShareTheImageAndOutliveEachOther) {
    TRecordingTable table;
    TBitmapStore store;
    TPlaced placed = Place(table, store, SavedPicture(QStringLiteral("teilen.png")), 50, 50);
    placed.Object->ObjName = QStringLiteral("Bild");
    const std::unique_ptr<TTypesObject> copy = CloneObject(placed.Object.get(), 1);
    const auto& shared = dynamic_cast<const TTypesBitmap&>(*copy);
    EXPECT_EQ(shared.Bitmap(), placed.Object->Bitmap());
    EXPECT_EQ(shared.SharedImage(), placed.Object->SharedImage());
    EXPECT_EQ(shared.Centre().X, 50);

    store.clear();
    placed.Object.reset();
    ASSERT_TRUE(shared.Bitmap());
    EXPECT_EQ(shared.Bitmap()->pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shared.Bitmap()->pixel(3, 0), qRgb(0, 0, 255));

    QJsonObject fields;
    shared.DescribeFields(fields);
    EXPECT_EQ(fields.value(QStringLiteral("bitmapWidth")).toInt(), 4);
    EXPECT_EQ(fields.value(QStringLiteral("bitmapHeight")).toInt(), 2);
    EXPECT_TRUE(fields.contains(QStringLiteral("center")));
}

TEST(TypesBitmap, PaintStretchesFadesKeysAndFramesTheImage) {
    TRecordingTable table;
    TBitmapStore store;
    const TPlaced placed = Place(table, store, SavedPicture(QStringLiteral("malen.png")), 20, 10);
    TTypesBitmap& image = *placed.Object;
    TProps props;
    props.Trans = 50;
    props.TransColor = 0x0000FF; // pure red in 0x00BBGGRR
    image.ChangeProps(props, false);
    // The centre (20, 10) in document pixels lies at (80, 40) on the canvas.
    image.ChangeZoom(4, false);
    image.ChangeSelection(false, false);
    table.BeginPaint(120, 80);
    image.Paint(&table);
    const QImage painted = table.EndPaint();
    // 16 x 8 canvas pixels from (72, 36): the keyed red half leaves the white ground, the blue
    // half is half covered.
    EXPECT_EQ(painted.pixel(75, 40), qRgb(255, 255, 255));
    const QColor faded = painted.pixelColor(85, 40);
    EXPECT_NEAR(faded.red(), 128, 2);
    EXPECT_NEAR(faded.blue(), 255, 2);
    EXPECT_EQ(painted.pixel(70, 40), qRgb(255, 255, 255));

    props.TransColor = clNone;
    props.Trans = 100;
    props.PenShow = true;
    props.PenColor = 0x00FF00;
    props.PenWidth = 1;
    image.ChangeProps(props, false);
    table.BeginPaint(120, 80);
    image.Paint(&table);
    const QImage framed = table.EndPaint();
    EXPECT_EQ(framed.pixel(75, 40), qRgb(255, 0, 0));
    const QColor line = framed.pixelColor(80, 36);
    EXPECT_GT(line.green(), 100);
    EXPECT_LT(line.red(), 200);
}

TEST(TypesBitmap, FullAndShortRecordsRoundTrip) {
    TRecordingTable table;
    TBitmapStore store;
    TPlaced placed = Place(table, store, SavedPicture(QStringLiteral("satz.png")), 30, 30);
    TTypesBitmap& original = *placed.Object;
    original.ID = QStringLiteral("{A}");
    original.ObjName = QStringLiteral("Bild");
    original.SetAspectPlacement({{12.5L, 7.25L}, 370, 1.5L, 0.75L});

    QBuffer full;
    full.open(QIODevice::ReadWrite);
    TStream fullStream(full);
    original.DataToStream(fullStream);
    QBuffer brief;
    brief.open(QIODevice::ReadWrite);
    TStream briefStream(brief);
    original.DataToStreamEx(briefStream);
    // The short record leaves out the name (4 + 8 bytes) and the pixels (8 + 3 x 4 x 2 bytes).
    EXPECT_EQ(full.size() - brief.size(), 12 + 8 + 24);

    TBitmapStore loadedStore;
    const TObjectContext context{nullptr, 1, &loadedStore};
    full.seek(0);
    const auto read = ReadObjectRecord(fullStream, context);
    const auto& loaded = dynamic_cast<const TTypesBitmap&>(*read);
    EXPECT_EQ(loaded.ObjName, QStringLiteral("Bild"));
    EXPECT_EQ(loaded.Angle(), 370);
    EXPECT_EQ(loaded.XPercent(), 1.5L);
    EXPECT_EQ(loaded.Centre().Y, 7.25L);
    ASSERT_EQ(loadedStore.size(), 1u);
    EXPECT_EQ(loadedStore[0], loaded.Bitmap());
    EXPECT_EQ(loaded.Bitmap()->pixel(3, 1), qRgb(0, 0, 255));
    EXPECT_EQ(full.pos(), full.size());

    brief.seek(0);
    TRecordStart start = ReadRecordStart(briefStream, context);
    auto& copy = dynamic_cast<TTypesBitmap&>(*start.Object);
    copy.ObjName = QStringLiteral("bleibt");
    start.Type->ReadCopy(copy, briefStream, {});
    EXPECT_EQ(brief.pos(), brief.size());
    EXPECT_EQ(copy.ID, QStringLiteral("{A}"));
    EXPECT_EQ(copy.ObjName, QStringLiteral("bleibt"));
    EXPECT_EQ(copy.Angle(), 370);
    EXPECT_FALSE(copy.Bitmap());
    EXPECT_EQ(loadedStore.size(), 1u);
}
