#include "ui/ExportForm.h"
#include "ui/DialogButton.h"
#include "ui/DialogService.h"

#include "core/export/ExportError.h"
#include "core/export/ExportRun.h"
#include "core/export/FileNames.h"
#include "core/export/GifWriter.h"
#include "core/export/ImageSeries.h"
#include "core/text/CommonTexts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <memory>
#include <optional>

namespace {
constexpr int kClientWidth = 329;
constexpr int kClientHeight = 113;
constexpr int kMargin = 8;

std::optional<TVideoContainer> ContainerOf(TExportKind kind) {
    switch (kind) {
    case TExportKind::Avi:
        return TVideoContainer::Avi;
    case TExportKind::Mp4:
        return TVideoContainer::Mp4;
    case TExportKind::WebM:
        return TVideoContainer::WebM;
    case TExportKind::Mkv:
        return TVideoContainer::Mkv;
    case TExportKind::Gif:
    case TExportKind::Bmp:
        break;
    }
    return std::nullopt;
}

} // namespace

TExportForm::TExportForm(TExportKind kind, const QString& fileName, const TProject& project,
                         TDialogService& dialogs, TVideoOptions& lastVideoChoice, QWidget* parent)
    : QDialog(parent), OpenResult([](const QUrl& url) { QDesktopServices::openUrl(url); }),
      FKind(kind), FFileName(fileName), FProject(project), FDialogs(dialogs),
      FLastVideoChoice(lastVideoChoice), Label1(new QLabel(this)),
      ProgressBar1(new QProgressBar(this)), CheckBox1(new QCheckBox(this)),
      Button1(NewDialogButton(this, {20700, "Export"}, 164, kClientHeight - 33, "Button1")),
      Button2(NewDialogButton(this, kCloseText, 246, kClientHeight - 33, "Button2")) {
    BindText(Label1, {20704, "Fortschritt:"});
    BindText(CheckBox1, {20362, "anzeigen"});
    OnLanguageChange(this, [this] { ShowCaption(); });
    setFixedSize(kClientWidth, kClientHeight);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kMargin, 8, kClientWidth - 2 * kMargin, 16);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(kMargin, 28, kClientWidth - 2 * kMargin, 20);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(kMargin, kClientHeight - 31, 140, 20);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TExportForm::ExportClick);
    connect(Button2, &QPushButton::clicked, this, &TExportForm::reject);
}

QString TExportForm::Caption(TExportKind kind) {
    switch (kind) {
    case TExportKind::Avi:
        return ResStr(20701, "AVI Export");
    case TExportKind::Gif:
        return ResStr(20702, "GIF Export");
    case TExportKind::Bmp:
        return ResStr(20703, "BMP Export");
    case TExportKind::Mp4:
        return ResStr(20707, "MP4 Export");
    case TExportKind::WebM:
        return ResStr(20708, "WebM Export");
    case TExportKind::Mkv:
        return ResStr(20709, "MKV Export");
    }
    return QString();
}

QString TExportForm::Extension(TExportKind kind) {
    switch (kind) {
    case TExportKind::Avi:
        return QStringLiteral(".avi");
    case TExportKind::Gif:
        return QStringLiteral(".gif");
    case TExportKind::Bmp:
        return QStringLiteral(".bmp");
    case TExportKind::Mp4:
        return QStringLiteral(".mp4");
    case TExportKind::WebM:
        return QStringLiteral(".webm");
    case TExportKind::Mkv:
        return QStringLiteral(".mkv");
    }
    return QString();
}

void TExportForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ShowCaption();
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
}

// The caption names the chosen file once the dialog shows.
void TExportForm::ShowCaption() {
    const QString kind = Caption(FKind);
    setWindowTitle(isVisible() ? kind + QStringLiteral(" - ") + QFileInfo(FFileName).fileName()
                               : kind);
}

void TExportForm::reject() {
    if (FRunning) {
        FCancelled = true;
        return;
    }
    QDialog::reject();
}

void TExportForm::ExportClick() {
    // Enter reaches the default button only while it is enabled; this also keeps a run from
    // starting inside another one's event processing.
    if (FRunning)
        return;
    FCancelled = false;
    if (FFileName.trimmed().isEmpty()) {
        FDialogs.Error(this, ResStr(kErrorCaption), ResStr(20706, "Export nicht möglich!"));
        return;
    }
    // A range the timeline left behind a shortened sequence is cut to the frames there are.
    const int frames = static_cast<int>(FProject.Frames.size());
    if (frames <= 0)
        return;
    const int first = std::clamp(FProject.PlayStart, 0, frames - 1);
    const int last = std::clamp(FProject.PlayEnd, 0, frames - 1);
    const int count = last - first + 1;
    if (count <= 0)
        return;

    const QString shown = Run(first, count);
    // A run that never began, or a file its writer could not create, has nothing to show.
    if (CheckBox1->isChecked() && OpenResult && !shown.isEmpty() && QFileInfo::exists(shown))
        OpenResult(QUrl::fromLocalFile(shown));
    Button1->setEnabled(true);
    if (FCancelled)
        QDialog::reject();
}

QString TExportForm::Run(int first, int count) {
    const QString extension = Extension(FKind);
    const std::optional<TVideoContainer> container = ContainerOf(FKind);
    TVideoOptions options = FLastVideoChoice;
    if (container) {
        if (!FDialogs.ChooseVideoCodec(this, *container, options))
            return QString();
        FLastVideoChoice = options;
    }
    const QString output = ReplaceFileExt(FFileName, extension);

    FRunning = true;
    ProgressBar1->setRange(0, count);
    ProgressBar1->setValue(0);
    Button1->setEnabled(false);
    QCoreApplication::processEvents();
    QString error;
    try {
        const std::unique_ptr<TFrameWriter> writer =
            container                   ? MakeVideoWriter(output, *container, options)
            : FKind == TExportKind::Gif ? MakeGifWriter(output)
                                        : MakeSeriesWriter(FFileName, TSeriesFormat::Bmp);
        RunExport(FProject, first, count, *writer,
                  [this](int written, int) { return Progress(written); });
    } catch (const TExportError& failure) {
        error = QString::fromUtf8(failure.what());
    }
    FRunning = false;
    if (!error.isEmpty())
        FDialogs.Error(this, ResStr(kErrorCaption), error);
    if (container || FKind == TExportKind::Gif)
        return output;
    return SeriesFileName(SeriesBaseName(FFileName, extension), 0, extension);
}

bool TExportForm::Progress(int written) {
    ProgressBar1->setValue(written);
    // Keeps the window painted and lets "Schließen" or Escape reach reject.
    QCoreApplication::processEvents();
    return !FCancelled;
}
