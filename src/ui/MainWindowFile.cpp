#include "core/io/ProjectFile.h"
#include "ui/DialogService.h"
#include "ui/MainWindow.h"

#include <stdexcept>

namespace {
const QString kErrorTitle = QStringLiteral("Fehler");
}

bool TMainForm::LoadProject(const QString& fileName) {
    try {
        return ::LoadProject(FProject, fileName, CanvasTable()) == TLoadResult::Loaded;
    } catch (const std::exception& error) {
        FDialogs->Error(this, kErrorTitle,
                        QStringLiteral("Das Projekt konnte nicht geöffnet werden.\n%1")
                            .arg(QString::fromUtf8(error.what())));
        return false;
    }
}

bool TMainForm::SaveProject(const QString& fileName) {
    try {
        ::SaveProject(FProject, fileName);
        return true;
    } catch (const std::exception& error) {
        FDialogs->Error(this, kErrorTitle,
                        QStringLiteral("Das Projekt wurde nicht gespeichert.\n%1")
                            .arg(QString::fromUtf8(error.what())));
        return false;
    }
}
