#include "core/export/GifWriter.h"

#include "core/export/ColorReduction.h"
#include "core/export/ExportError.h"
#include "core/export/GifScreen.h"
#include "core/export/PartFile.h"
#include "core/export/PoolTask.h"
#include "core/model/Types.h"
#include "core/text/ResStr.h"

#include <QByteArray>
#include <QFile>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <memory>
#include <optional>

#include <gif_lib.h>

namespace {

constexpr TText kNotOpen{25103, "die Datei ist nicht geöffnet"};

// A GIF stores sizes and delays in 16 bits.
constexpr int GifLimit = 65535;

// One frame compressed and waiting for the next to show how long it lasts.
struct TEncodedFrame {
    // Image descriptor, local colour table and compressed pixels, as the file holds them.
    QByteArray Image;
    int Transparent = NO_TRANSPARENT_COLOR;
    int Delay = 0;
};

int WriteToFile(GifFileType* gif, const GifByteType* bytes, int length) {
    QFile* file = static_cast<QFile*>(gif->UserData);
    return file->write(reinterpret_cast<const char*>(bytes), length) == length ? length : 0;
}

int AppendToBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

void CloseGif(GifFileType* gif) {
    int error = 0;
    EGifCloseFile(gif, &error);
}

// The bytes giflib writes for image on a screen of screenSize, from its image descriptor to the
// end of its compressed pixels. Empty, with giflib's reason in error, when giflib fails.
QByteArray EncodeImage(const TGifImage& image, const QSize& screenSize, QString& error) {
    QByteArray bytes;
    int openError = 0;
    const std::unique_ptr<GifFileType, void (*)(GifFileType*)> gif(
        EGifOpen(&bytes, AppendToBytes, &openError), CloseGif);
    if (!gif) {
        error = QString::fromUtf8(GifErrorString(openError));
        return {};
    }
    std::vector<GifColorType> colors;
    for (const QRgb color : image.Palette)
        colors.push_back({static_cast<GifByteType>(qRed(color)),
                          static_cast<GifByteType>(qGreen(color)),
                          static_cast<GifByteType>(qBlue(color))});
    const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> table(
        GifMakeMapObject(static_cast<int>(colors.size()), colors.data()), GifFreeMapObject);
    if (!table) {
        error = ResStr(25100, "nicht genügend Speicher");
        return {};
    }
    // The screen descriptor only makes giflib accept the image; its bytes are not kept.
    if (EGifPutScreenDesc(gif.get(), screenSize.width(), screenSize.height(), 8, 0, nullptr) !=
        GIF_OK) {
        error = QString::fromUtf8(GifErrorString(gif->Error));
        return {};
    }
    const int imageStart = bytes.size();
    // giflib keeps a copy of the table.
    if (EGifPutImageDesc(gif.get(), image.Area.left(), image.Area.top(), image.Area.width(),
                         image.Area.height(), false, table.get()) != GIF_OK ||
        EGifPutLine(gif.get(), const_cast<GifPixelType*>(image.Indices.data()),
                    static_cast<int>(image.Indices.size())) != GIF_OK) {
        error = QString::fromUtf8(GifErrorString(gif->Error));
        return {};
    }
    return bytes.mid(imageStart);
}

// A frame being reduced to its palette on the pool while earlier ones are written.
struct TReduction {
    explicit TReduction(const QImage& frame)
        : Frame(frame), Task(std::in_place, [this] { Result = ReduceToPalette(Frame); }) {}

    QImage Frame;
    TPalettedImage Result;
    std::optional<TPoolTask> Task;
};

// Reductions in flight: the expensive step runs on both cores while this thread compresses.
constexpr std::size_t ReductionsAhead = 2;

// Collects the frames in order and writes each once the next one shows whether it lasts longer:
// a frame that looks like the one before only adds its time to it. Holds the screen as last shown
// and the frame not yet written, nothing more.
class TGifWriter final : public TFrameWriter {
public:
    explicit TGifWriter(const QString& fileName) : FFileName(fileName) {}
    ~TGifWriter() override { Abort(); }

    void Begin(const TExportShape& shape) override;
    void AddFrame(const QImage& frame, int index) override;
    void Finish() override;
    void Abort() noexcept override;

private:
    [[noreturn]] void Fail(const QString& reason);
    void FailOnGif(int result);
    void CreateTemporary();
    void Take(const TPalettedImage& frame);
    // Writes the oldest reduction once it is done.
    void TakeReduced();
    TEncodedFrame EncodeSmallest(const std::vector<TGifImage>& images);
    void WritePending();
    void WriteLoop();

    QString FFileName;
    TExportShape FShape;
    int FDelay = 0;
    QString FTemporary;
    QFile FFile;
    GifFileType* FGif = nullptr;
    bool FLooping = false;
    TGifScreen FScreen;
    std::optional<TEncodedFrame> FPending;
    std::deque<std::unique_ptr<TReduction>> FReducing;
};

void TGifWriter::Fail(const QString& reason) {
    throw TExportError(ResStr(25101, "%1: Die GIF-Datei kann nicht geschrieben werden (%2).")
                           .arg(FFileName, reason)
                           .toStdString());
}

void TGifWriter::FailOnGif(int result) {
    if (result == GIF_OK)
        return;
    if (FFile.error() != QFileDevice::NoError)
        Fail(FFile.errorString());
    Fail(QString::fromUtf8(GifErrorString(FGif->Error)));
}

void TGifWriter::CreateTemporary() {
    FTemporary = OpenPartFile(FFileName, FFile);
    if (FTemporary.isEmpty())
        Fail(FFile.errorString());
}

void TGifWriter::Begin(const TExportShape& shape) {
    Abort();
    if (shape.Width < 1 || shape.Height < 1 || shape.Width > GifLimit || shape.Height > GifLimit)
        Fail(ResStr(25102, "%1 x %2 Pixel passen nicht in eine GIF-Datei")
                 .arg(shape.Width)
                 .arg(shape.Height));
    FShape = shape;
    FDelay = GifFrameDelay(shape.FramesPerSec);
    try {
        CreateTemporary();
        int error = 0;
        FGif = EGifOpen(&FFile, WriteToFile, &error);
        if (!FGif)
            Fail(QString::fromUtf8(GifErrorString(error)));
        // The delays and the loop need the 89a version; giflib would only notice them in its
        // in-memory images.
        EGifSetGifVersion(FGif, true);
        FailOnGif(EGifPutScreenDesc(FGif, shape.Width, shape.Height, 8, 0, nullptr));
    } catch (...) {
        Abort();
        throw;
    }
}

// The index is not used: frames arrive in order.
void TGifWriter::AddFrame(const QImage& frame, int) {
    if (!FGif)
        Fail(ResStr(kNotOpen));
    if (frame.width() != FShape.Width || frame.height() != FShape.Height)
        Fail(ResStr(25104, "ein Frame von %1 x %2 Pixeln in einer Animation von %3 x %4")
                 .arg(frame.width())
                 .arg(frame.height())
                 .arg(FShape.Width)
                 .arg(FShape.Height));
    FReducing.push_back(std::make_unique<TReduction>(frame));
    while (FReducing.size() > ReductionsAhead)
        TakeReduced();
}

void TGifWriter::TakeReduced() {
    const std::unique_ptr<TReduction> oldest = std::move(FReducing.front());
    FReducing.pop_front();
    oldest->Task->Wait();
    Take(oldest->Result);
}

void TGifWriter::Take(const TPalettedImage& frame) {
    QRect area = FScreen.ChangedArea(frame);
    if (area.isEmpty()) {
        if (FPending->Delay + FDelay <= GifLimit) {
            FPending->Delay += FDelay;
            return;
        }
        // The summed delay would overflow its 16 bits: a one-pixel frame takes over the time.
        area = QRect(0, 0, 1, 1);
    }
    if (FPending)
        WritePending();
    FPending = EncodeSmallest(FScreen.Images(frame, area));
    FPending->Delay = FDelay;
    FScreen.Show(frame);
}

TEncodedFrame TGifWriter::EncodeSmallest(const std::vector<TGifImage>& images) {
    TEncodedFrame smallest;
    for (const TGifImage& image : images) {
        QString error;
        const QByteArray bytes = EncodeImage(image, QSize(FShape.Width, FShape.Height), error);
        if (bytes.isEmpty())
            Fail(error);
        if (smallest.Image.isEmpty() || bytes.size() < smallest.Image.size())
            smallest = {bytes, image.Transparent, 0};
    }
    return smallest;
}

// "NETSCAPE2.0" with loop count 0: play forever.
void TGifWriter::WriteLoop() {
    static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A',
                                              'P', 'E', '2', '.', '0'};
    static const GifByteType loop[] = {1, 0, 0};
    FailOnGif(EGifPutExtensionLeader(FGif, APPLICATION_EXT_FUNC_CODE));
    FailOnGif(EGifPutExtensionBlock(FGif, sizeof application, application));
    FailOnGif(EGifPutExtensionBlock(FGif, sizeof loop, loop));
    FailOnGif(EGifPutExtensionTrailer(FGif));
    FLooping = true;
}

void TGifWriter::WritePending() {
    if (!FLooping)
        WriteLoop();
    GraphicsControlBlock control{};
    // Each frame stays below the next, which covers only what changed.
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = FPending->Delay;
    control.TransparentColor = FPending->Transparent;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    FailOnGif(EGifPutExtension(FGif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension));
    // giflib has written everything it was given, so the image follows its control block.
    if (FFile.write(FPending->Image) != FPending->Image.size())
        Fail(FFile.errorString());
    FPending.reset();
}

void TGifWriter::Finish() {
    if (!FGif)
        Fail(ResStr(kNotOpen));
    try {
        while (!FReducing.empty())
            TakeReduced();
        if (FPending)
            WritePending();
        int error = 0;
        const int closed = EGifCloseFile(FGif, &error);
        FGif = nullptr;
        if (closed != GIF_OK)
            Fail(FFile.error() != QFileDevice::NoError ? FFile.errorString()
                                                       : QString::fromUtf8(GifErrorString(error)));
        if (!FFile.flush())
            Fail(FFile.errorString());
        FFile.close();
        if (FFile.error() != QFileDevice::NoError)
            Fail(FFile.errorString());
        if (!MovePartFile(FTemporary, FFileName))
            Fail(QString::fromLocal8Bit(std::strerror(errno)));
        FTemporary.clear();
    } catch (...) {
        Abort();
        throw;
    }
    Abort();
}

void TGifWriter::Abort() noexcept {
    // Each reduction is joined before the frames it reads go away.
    FReducing.clear();
    if (FGif) {
        int error = 0;
        EGifCloseFile(FGif, &error);
        FGif = nullptr;
    }
    FFile.close();
    if (!FTemporary.isEmpty()) {
        QFile::remove(FTemporary);
        FTemporary.clear();
    }
    FLooping = false;
    FPending.reset();
    FScreen = {};
}

} // namespace

int GifFrameDelay(int framesPerSec) {
    const int periodMs = RoundHalfEven(1000.0L / std::max(framesPerSec, 1));
    return RoundHalfEven(periodMs / 10.0L);
}

std::unique_ptr<TFrameWriter> MakeGifWriter(const QString& fileName) {
    if (fileName.trimmed().isEmpty())
        throw TExportError(ResStr(25105, "Für die GIF-Datei fehlt der Dateiname.").toStdString());
    return std::make_unique<TGifWriter>(fileName);
}
