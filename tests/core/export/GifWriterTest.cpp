#include "core/export/GifWriter.h"
#include "core/export/ColorReduction.h"
#include "core/export/ExportError.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace {

QString Folder(const QString& name) {
    QDir scratch(TestScratchFolder());
    scratch.mkpath(name);
    return scratch.filePath(name);
}

enum class TField { Gradient, Plain };

// A grey field, with a soft gradient or plain, a fixed green square and a red bar whose left edge
// is at position: enough colours for the quantiser to choose, and parts that stay from frame to
// frame.
QImage Scene(int width, int height, int position, TField field = TField::Gradient) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y, field == TField::Plain ? qRgb(120, 110, 140) : qRgb(100 + x, 110, 120 + y));
    QPainter painter(&image);
    painter.fillRect(2, 2, 10, 10, QColor(0, 160, 0));
    painter.fillRect(position, height / 2, 12, 6, QColor(220, 30, 30));
    return image;
}

// What a viewer shows of a GIF: one picture per image, each held for its delay.
struct TShown {
    QImage Picture;
    int Delay = 0;
    // Its image covered part of the screen and left some pixels through.
    bool Partial = false;
};

struct TDecodedGif {
    QByteArray Version;
    std::vector<TShown> Shown;
};

// Reads the file with giflib and composites it as a viewer does, checking the structure the
// writer promises on the way: no global table, per image a power-of-two local table, a graphic
// control block that keeps the image in place, and the loop block on the first image only.
void DecodeGif(const QString& fileName, TDecodedGif& decoded) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    decoded.Version = file.read(6);
    int error = 0;
    const std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(
        DGifOpenFileName(QFile::encodeName(fileName).constData(), &error),
        [](GifFileType* opened) { DGifCloseFile(opened, nullptr); });
    ASSERT_NE(gif, nullptr) << "cannot open " << fileName.toStdString();
    EXPECT_EQ(DGifSlurp(gif.get()), GIF_OK);
    EXPECT_EQ(gif->SColorMap, nullptr);
    QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    for (int i = 0; i < gif->ImageCount; ++i) {
        SCOPED_TRACE(testing::Message() << "image " << i);
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& desc = image.ImageDesc;
        int loops = 0;
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE) {
                ++loops;
                EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(block.Bytes), block.ByteCount),
                          "NETSCAPE2.0");
                ASSERT_LT(e + 1, image.ExtensionBlockCount);
                const ExtensionBlock& data = image.ExtensionBlocks[e + 1];
                ASSERT_EQ(data.ByteCount, 3);
                EXPECT_EQ(data.Bytes[0], 1);
                EXPECT_EQ(data.Bytes[1] | data.Bytes[2] << 8, 0) << "loop count";
            }
        }
        EXPECT_EQ(loops, i == 0 ? 1 : 0);
        GraphicsControlBlock control{};
        EXPECT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &control), GIF_OK);
        EXPECT_EQ(control.DisposalMode, DISPOSE_DO_NOT);
        if (i == 0) {
            EXPECT_EQ(control.TransparentColor, NO_TRANSPARENT_COLOR);
            EXPECT_EQ(QRect(desc.Left, desc.Top, desc.Width, desc.Height), canvas.rect());
        }
        EXPECT_TRUE(canvas.rect().contains(QRect(desc.Left, desc.Top, desc.Width, desc.Height)));
        EXPECT_FALSE(desc.Interlace);
        const ColorMapObject* table = desc.ColorMap;
        ASSERT_NE(table, nullptr) << "no local colour table";
        EXPECT_GE(table->ColorCount, 2);
        EXPECT_EQ(table->ColorCount & (table->ColorCount - 1), 0) << table->ColorCount;
        for (int y = 0; y < desc.Height; ++y)
            for (int x = 0; x < desc.Width; ++x) {
                const int index = image.RasterBits[y * desc.Width + x];
                if (index == control.TransparentColor)
                    continue;
                ASSERT_LT(index, table->ColorCount);
                const GifColorType c = table->Colors[index];
                canvas.setPixel(desc.Left + x, desc.Top + y, qRgb(c.Red, c.Green, c.Blue));
            }
        decoded.Shown.push_back({canvas.copy(), control.DelayTime,
                                 desc.Width * desc.Height < canvas.width() * canvas.height() &&
                                     control.TransparentColor != NO_TRANSPARENT_COLOR});
    }
}

QImage Picture(const TPalettedImage& image) {
    QImage picture(image.Width, image.Height, QImage::Format_RGB32);
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            picture.setPixel(x, y, image.Pixel(x, y));
    return picture;
}

TEST(GifWriter, FrameDelayIsThePeriodInHundredthsHalvesToEven) {
    const std::pair<int, int> delays[] = {{1, 100}, {8, 12}, {10, 10}, {12, 8}, {15, 7},
                                          {16, 6},  {24, 4}, {25, 4},  {30, 3}, {40, 2},
                                          {50, 2},  {60, 2}, {100, 1}};
    for (const auto& [framesPerSec, delay] : delays)
        EXPECT_EQ(GifFrameDelay(framesPerSec), delay) << framesPerSec << " fps";
}

TEST(GifWriter, ReductionKeepsTheColoursWithinTheQuantiserLimit) {
    QImage three(40, 30, QImage::Format_RGB32);
    three.fill(QColor(255, 255, 255));
    QPainter(&three).fillRect(0, 0, 20, 30, QColor(200, 0, 0));
    QPainter(&three).fillRect(20, 15, 20, 15, QColor(0, 0, 200));
    QImage gradient(256, 64, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x, 255 - x, y * 4));
    const QImage rgb888 = gradient.convertToFormat(QImage::Format_RGB888);
    for (const QImage& frame : {three, gradient, rgb888}) {
        SCOPED_TRACE(testing::Message() << frame.width() << " x " << frame.height());
        const TPalettedImage reduced = ReduceToPalette(frame);
        ASSERT_EQ(reduced.Width, frame.width());
        ASSERT_EQ(reduced.Height, frame.height());
        ASSERT_EQ(reduced.Indices.size(), std::size_t(frame.width() * frame.height()));
        EXPECT_GE(reduced.Palette.size(), 1u);
        EXPECT_LE(reduced.Palette.size(), std::size_t(ReducedColorCount));
        // Close to the original on average (the quantiser counts colours in cells of 8, 4 and 8
        // levels), which a swapped channel or a shifted row would not be.
        long long difference = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const std::uint8_t index = reduced.Indices[std::size_t(y * frame.width() + x)];
                ASSERT_LT(index, reduced.Palette.size());
                const QRgb seen = reduced.Palette[index];
                const QRgb wanted = frame.pixel(x, y);
                difference += std::abs(qRed(seen) - qRed(wanted)) +
                              std::abs(qGreen(seen) - qGreen(wanted)) +
                              std::abs(qBlue(seen) - qBlue(wanted));
            }
        EXPECT_LT(difference, 24LL * frame.width() * frame.height());
    }
}

// The file shows exactly the reduced frames, each for its time, however the writer crops,
// merges and drops colours.
TEST(GifWriter, DecodedAnimationShowsTheReducedFrames) {
    struct TCase {
        const char* Name;
        TField Field;
        QSize Size;
        int FramesPerSec;
        // The bar position of each frame handed over; the run announced Count frames.
        std::vector<int> Positions;
        int Count;
        std::vector<int> Delays;
    };
    constexpr TField gradient = TField::Gradient;
    constexpr TField plain = TField::Plain;
    const std::vector<TCase> cases = {
        {"moving bar, one repeat", gradient, {64, 48}, 15, {0, 10, 20, 20, 30}, 5, {7, 7, 14, 7}},
        {"one frame", gradient, {64, 48}, 15, {5}, 1, {7}},
        {"cancelled after three of ten", gradient, {64, 48}, 40, {0, 8, 16}, 10, {2, 2, 2}},
        // 700 s of one picture at 1 fps: the merged delay must not pass 16 bits.
        {"long still", gradient, {16, 12}, 1, std::vector<int>(700, 3), 700, {65500, 4500}},
        // Unchanged runs of one colour, which the writer leaves transparent in some frames and
        // opaque in others, whichever compresses better: both kinds of image are decoded.
        {"bar jumping over a plain field", plain, {64, 48}, 15, {0, 40, 4, 44}, 4, {7, 7, 7, 7}},
    };
    for (const TCase& run : cases) {
        SCOPED_TRACE(run.Name);
        const QString name = Folder(QStringLiteral("gif-decode")) +
                             QStringLiteral("/%1.gif").arg(QLatin1String(run.Name));
        const std::unique_ptr<TFrameWriter> writer = MakeGifWriter(name);
        writer->Begin({run.Size.width(), run.Size.height(), run.FramesPerSec, run.Count});
        std::vector<QImage> expected;
        for (std::size_t i = 0; i < run.Positions.size(); ++i) {
            const QImage frame =
                Scene(run.Size.width(), run.Size.height(), run.Positions[i], run.Field);
            writer->AddFrame(frame, static_cast<int>(i));
            if (i == 0 || run.Positions[i] != run.Positions[i - 1])
                expected.push_back(Picture(ReduceToPalette(frame)));
        }
        writer->Finish();

        TDecodedGif decoded;
        DecodeGif(name, decoded);
        EXPECT_EQ(decoded.Version, "GIF89a");
        std::vector<int> delays;
        for (const TShown& shown : decoded.Shown)
            delays.push_back(shown.Delay);
        EXPECT_EQ(delays, run.Delays);
        // A still split for its delay shows the same picture twice.
        std::size_t picture = 0;
        for (std::size_t i = 0; i < decoded.Shown.size(); ++i) {
            if (i > 0 && decoded.Shown[i].Picture != decoded.Shown[i - 1].Picture)
                ++picture;
            ASSERT_LT(picture, expected.size());
            EXPECT_TRUE(decoded.Shown[i].Picture == expected[picture]) << "shown frame " << i;
        }
        EXPECT_EQ(picture + 1, expected.size());
        // Otherwise the comparison above would not have covered cropping and transparency.
        if (expected.size() > 2) {
            EXPECT_TRUE(std::any_of(decoded.Shown.begin(), decoded.Shown.end(),
                                    [](const TShown& shown) { return shown.Partial; }));
        }
    }
}

TEST(GifWriter, FailureLeavesNothingAndKeepsAnEarlierFile) {
    const QString folder = Folder(QStringLiteral("gif-failure"));
    const QString missing = folder + QStringLiteral("/missing/out.gif");
    const std::unique_ptr<TFrameWriter> lost = MakeGifWriter(missing);
    EXPECT_THROW(lost->Begin({32, 24, 15, 2}), TExportError);
    EXPECT_FALSE(QDir(folder + QStringLiteral("/missing")).exists());

    // A run that fails after some frames leaves the earlier file as it was and no part file.
    const QString earlier = folder + QStringLiteral("/earlier.gif");
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    const std::unique_ptr<TFrameWriter> writer = MakeGifWriter(earlier);
    writer->Begin({32, 24, 15, 3});
    writer->AddFrame(Scene(32, 24, 0), 0);
    EXPECT_THROW(writer->AddFrame(Scene(16, 24, 0), 1), TExportError);
    writer->Abort();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("earlier.gif")});
    QFile file(earlier);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "earlier");
}

} // namespace
