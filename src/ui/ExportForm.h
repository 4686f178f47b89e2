#pragma once

#include "core/export/VideoWriter.h"
#include "core/model/Project.h"

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TDialogService;

// What an export writes.
enum class TExportKind { Avi, Gif, Bmp, Mp4, WebM, Mkv };

// The fixed export dialog: "Export" (default, Enter) writes the frames of the play range to the
// chosen name, with the extension of the kind, showing the progress; "Schließen" (Escape, the
// close box) stops a run after the current frame and closes the dialog once the run returned,
// and outside a run just closes it. The dialog stays open after a run for another one.
class TExportForm : public QDialog {
    Q_OBJECT
public:
    // fileName is the name chosen in the save dialog. Video kinds ask for the encoder through
    // dialogs, preset with lastVideoChoice, and keep the choice there for the next run.
    TExportForm(TExportKind kind, const QString& fileName, const TProject& project,
                TDialogService& dialogs, TVideoOptions& lastVideoChoice, QWidget* parent = nullptr);

    // "AVI Export", "GIF Export", ...
    static QString Caption(TExportKind kind);
    // ".avi", ".gif", ...
    static QString Extension(TExportKind kind);

    // Opens the result when "anzeigen" is ticked; the system's default application unless
    // replaced.
    std::function<void(const QUrl&)> OpenResult;

public slots:
    // During a run only asks it to stop; the dialog closes when the run has returned.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ExportClick();
    // Writes the frames through a writer made for the kind; the file to show afterwards, or an
    // empty text when no run took place.
    QString Run(int first, int count);
    bool Progress(int written);
    void ShowCaption();

    TExportKind FKind;
    QString FFileName;
    const TProject& FProject;
    TDialogService& FDialogs;
    TVideoOptions& FLastVideoChoice;
    bool FRunning = false;
    bool FCancelled = false;
    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QCheckBox* CheckBox1;
    QPushButton* Button1;
    QPushButton* Button2;
};
