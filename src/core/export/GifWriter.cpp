#include "core/export/GifWriter.h"

#include "core/export/ColorReduction.h"
#include "core/export/ExportError.h"
#include "core/export/PartFile.h"
#include "core/export/PoolTask.h"
#include "core/model/Types.h"

#include <QFile>
#include <QRect>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <deque>
#include <memory>
#include <optional>

#include <gif_lib.h>

namespace {

// A GIF stores sizes and delays in 16 bits.
constexpr int GifLimit = 65535;

// The shortest run of unchanged pixels made transparent. Single unchanged pixels amid dithering
// only break the patterns the compression finds: on a scene of moving polygons, marking every
// unchanged pixel made the file 2 % larger than marking none, runs of 16 or more 3 % smaller.
constexpr int ClearRun = 16;

// One image of the file: the part of the screen it covers, with its own colour table.
struct TGifFrame {
    QRect Area;
    // Area's pixels, rows top to bottom.
    std::vector<GifPixelType> Indices;
    // A power of two of entries, at least 2.
    std::vector<QRgb> Palette;
    // The index that leaves the pixel below as it is, or NO_TRANSPARENT_COLOR.
    int Transparent = NO_TRANSPARENT_COLOR;
    int Delay = 0;
};

int TableSize(int entries) {
    int size = 2;
    while (size < entries)
        size *= 2;
    return size;
}

// The image's indices of area as a frame of its own: colours that are not used or repeat an
// earlier entry leave the table. With shown (the screen before this frame, row by row), runs of
// pixels that already show their colour there become transparent, which leaves them as they
// are; shown then gets the frame's pixels.
TGifFrame MakeFrame(const TPalettedImage& image, const QRect& area, std::vector<QRgb>* shown) {
    const std::size_t width = static_cast<std::size_t>(image.Width);
    const int colors = static_cast<int>(image.Palette.size());
    // The first entry of each colour stands for all its entries.
    std::array<int, 256> first{};
    for (int i = 0; i < colors; ++i) {
        first[i] = i;
        for (int j = 0; j < i; ++j)
            if (image.Palette[j] == image.Palette[i]) {
                first[i] = j;
                break;
            }
    }
    const auto pixelAt = [&](int x, int y) {
        return static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x);
    };
    // Transparent: an unchanged pixel in a run of at least ClearRun of them along its row.
    const int runWidth = area.width();
    std::vector<std::uint8_t> clear(static_cast<std::size_t>(runWidth) *
                                    static_cast<std::size_t>(area.height()));
    bool transparent = false;
    if (shown)
        for (int y = area.top(); y <= area.bottom(); ++y) {
            std::uint8_t* row = clear.data() + static_cast<std::size_t>(y - area.top()) *
                                                   static_cast<std::size_t>(runWidth);
            int x = area.left();
            while (x <= area.right()) {
                int end = x;
                while (end <= area.right() &&
                       (*shown)[pixelAt(end, y)] == image.Palette[image.Indices[pixelAt(end, y)]])
                    ++end;
                if (end - x >= ClearRun) {
                    std::fill(row + (x - area.left()), row + (end - area.left()), 1);
                    transparent = true;
                }
                x = end + 1;
            }
        }

    std::array<bool, 256> used{};
    std::size_t cell = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++cell)
            if (!clear[cell])
                used[first[image.Indices[pixelAt(x, y)]]] = true;

    TGifFrame frame;
    frame.Area = area;
    std::array<GifPixelType, 256> remap{};
    for (int i = 0; i < colors; ++i)
        if (used[i]) {
            remap[i] = static_cast<GifPixelType>(frame.Palette.size());
            frame.Palette.push_back(image.Palette[i]);
        }
    if (transparent) {
        frame.Transparent = static_cast<int>(frame.Palette.size());
        frame.Palette.push_back(qRgb(0, 0, 0));
    }
    frame.Palette.resize(
        static_cast<std::size_t>(TableSize(static_cast<int>(frame.Palette.size()))), qRgb(0, 0, 0));

    frame.Indices.reserve(static_cast<std::size_t>(area.width()) *
                          static_cast<std::size_t>(area.height()));
    cell = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++cell) {
            const std::size_t at = pixelAt(x, y);
            if (clear[cell]) {
                frame.Indices.push_back(static_cast<GifPixelType>(frame.Transparent));
            } else {
                frame.Indices.push_back(remap[first[image.Indices[at]]]);
                if (shown)
                    (*shown)[at] = image.Palette[image.Indices[at]];
            }
        }
    return frame;
}

// The smallest rectangle holding every pixel that image shows differently from shown; empty when
// the two look the same.
QRect ChangedArea(const TPalettedImage& image, const std::vector<QRgb>& shown) {
    int left = image.Width, right = -1, top = -1, bottom = -1;
    std::size_t at = 0;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x, ++at)
            if (shown[at] != image.Palette[image.Indices[at]]) {
                if (top < 0)
                    top = y;
                bottom = y;
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

int WriteToFile(GifFileType* gif, const GifByteType* bytes, int length) {
    QFile* file = static_cast<QFile*>(gif->UserData);
    return file->write(reinterpret_cast<const char*>(bytes), length) == length ? length : 0;
}

// Collects the frames in order and writes each once the next one shows whether it lasts longer:
// a frame that looks like the one before only adds its time to it. Holds the screen as last shown
// and the frame not yet written, nothing more.
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
    void Take(const TPalettedImage& image);
    // Writes the oldest reduction once it is done.
    void TakeReduced();
    void WritePending();
    void WriteLoop();

    QString FFileName;
    TExportShape FShape;
    int FDelay = 0;
    QString FTemporary;
    QFile FFile;
    GifFileType* FGif = nullptr;
    bool FLooping = false;
    std::vector<QRgb> FShown;
    std::optional<TGifFrame> FPending;
    std::deque<std::unique_ptr<TReduction>> FReducing;
};

void TGifWriter::Fail(const QString& reason) {
    throw TExportError(
        QStringLiteral("%1: cannot write the GIF file (%2)").arg(FFileName, reason).toStdString());
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
        Fail(QStringLiteral("%1 x %2 pixels do not fit a GIF").arg(shape.Width).arg(shape.Height));
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
        Fail(QStringLiteral("the file is not open"));
    if (frame.width() != FShape.Width || frame.height() != FShape.Height)
        Fail(QStringLiteral("a frame of %1 x %2 pixels in an animation of %3 x %4")
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

void TGifWriter::Take(const TPalettedImage& image) {
    if (!FPending) {
        FShown.resize(image.Indices.size());
        for (std::size_t at = 0; at < FShown.size(); ++at)
            FShown[at] = image.Palette[image.Indices[at]];
        FPending = MakeFrame(image, QRect(0, 0, image.Width, image.Height), nullptr);
        FPending->Delay = FDelay;
        return;
    }
    QRect area = ChangedArea(image, FShown);
    if (area.isEmpty()) {
        if (FPending->Delay + FDelay <= GifLimit) {
            FPending->Delay += FDelay;
            return;
        }
        // The summed delay would overflow its 16 bits: a one-pixel frame takes over the time.
        area = QRect(0, 0, 1, 1);
    }
    WritePending();
    FPending = MakeFrame(image, area, &FShown);
    FPending->Delay = FDelay;
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
    TGifFrame& frame = *FPending;

    GraphicsControlBlock control{};
    // Each frame stays below the next, which covers only what changed.
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = frame.Delay;
    control.TransparentColor = frame.Transparent;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    FailOnGif(EGifPutExtension(FGif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension));

    std::vector<GifColorType> colors;
    for (const QRgb color : frame.Palette)
        colors.push_back({static_cast<GifByteType>(qRed(color)),
                          static_cast<GifByteType>(qGreen(color)),
                          static_cast<GifByteType>(qBlue(color))});
    const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> table(
        GifMakeMapObject(static_cast<int>(colors.size()), colors.data()), GifFreeMapObject);
    if (!table)
        Fail(QStringLiteral("out of memory"));
    // giflib keeps a copy of the table.
    FailOnGif(EGifPutImageDesc(FGif, frame.Area.left(), frame.Area.top(), frame.Area.width(),
                               frame.Area.height(), false, table.get()));
    FailOnGif(EGifPutLine(FGif, frame.Indices.data(), static_cast<int>(frame.Indices.size())));
    FPending.reset();
}

void TGifWriter::Finish() {
    if (!FGif)
        Fail(QStringLiteral("the file is not open"));
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
    FShown = {};
}

} // namespace

int GifFrameDelay(int framesPerSec) {
    const int periodMs = RoundHalfEven(1000.0L / std::max(framesPerSec, 1));
    return RoundHalfEven(periodMs / 10.0L);
}

std::unique_ptr<TFrameWriter> MakeGifWriter(const QString& fileName) {
    if (fileName.trimmed().isEmpty())
        throw TExportError("no file name for the GIF file");
    return std::make_unique<TGifWriter>(fileName);
}
