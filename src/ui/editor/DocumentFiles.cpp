#include "core/io/ProjectFile.h"
#include "core/text/CommonTexts.h"
#include "ui/BufferedScrollTable.h"
#include "ui/DialogService.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/DocumentPart.h"
#include "ui/editor/EditorState.h"

#include <QDir>
#include <stdexcept>

bool TDocumentPart::LoadProject(const QString& fileName) {
    const QString failure = ResStr(24010, "Die Datei „%1“ konnte nicht geöffnet werden.\n%2");
    try {
        if (::LoadProject(FState.Project, fileName, FCanvas.Canvas()) == TLoadResult::Loaded)
            return true;
        FDialogs.Error(FWindow, ResStr(kErrorCaption),
                       failure.arg(QDir::toNativeSeparators(fileName),
                                   ResStr(24011, "Sie ist keine Projektdatei.")));
    } catch (const std::exception& error) {
        FDialogs.Error(
            FWindow, ResStr(kErrorCaption),
            failure.arg(QDir::toNativeSeparators(fileName), QString::fromUtf8(error.what())));
    }
    return false;
}

bool TDocumentPart::SaveProject(const QString& fileName) {
    try {
        ::SaveProject(FState.Project, fileName);
        return true;
    } catch (const std::exception& error) {
        FDialogs.Error(
            FWindow, ResStr(kErrorCaption),
            ResStr(24012, "Das Projekt wurde nicht unter „%1“ gespeichert.\n%2")
                .arg(QDir::toNativeSeparators(fileName), QString::fromUtf8(error.what())));
        return false;
    }
}

bool TDocumentPart::CanRestore(const QString& copy) {
    TProject scratch;
    try {
        return ::LoadProject(scratch, copy, FCanvas.Canvas()) == TLoadResult::Loaded;
    } catch (const std::exception&) {
        return false;
    }
}

bool TDocumentPart::RestoreProject(const QString& copy, const QString& projectFile) {
    FCanvas.DropSelection();
    try {
        if (::LoadProject(FState.Project, copy, FCanvas.Canvas()) != TLoadResult::Loaded)
            return false;
    } catch (const std::exception&) {
        return false;
    }
    // Unsaved work under the user's own name: the next save goes where the user expects.
    FFileName = projectFile;
    FState.Changed = true;
    FCanvas.ResetZoom();
    FCanvas.UpdateCanvasExtent();
    FState.Notify(TChange::Project);
    return true;
}
