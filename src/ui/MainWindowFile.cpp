#include "core/io/ProjectFile.h"
#include "ui/DialogService.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <stdexcept>

namespace {
const QString kErrorTitle = QStringLiteral("Fehler");
}

bool TMainForm::LoadProject(const QString& fileName) {
    const QString failure = QStringLiteral("Die Datei „%1“ konnte nicht geöffnet werden.\n%2");
    try {
        if (::LoadProject(FProject, fileName, CanvasTable()) == TLoadResult::Loaded)
            return true;
        FDialogs->Error(this, kErrorTitle,
                        failure.arg(QDir::toNativeSeparators(fileName),
                                    QStringLiteral("Sie ist keine Projektdatei.")));
    } catch (const std::exception& error) {
        FDialogs->Error(
            this, kErrorTitle,
            failure.arg(QDir::toNativeSeparators(fileName), QString::fromUtf8(error.what())));
    }
    return false;
}

bool TMainForm::SaveProject(const QString& fileName) {
    try {
        ::SaveProject(FProject, fileName);
        return true;
    } catch (const std::exception& error) {
        FDialogs->Error(
            this, kErrorTitle,
            QStringLiteral("Das Projekt wurde nicht unter „%1“ gespeichert.\n%2")
                .arg(QDir::toNativeSeparators(fileName), QString::fromUtf8(error.what())));
        return false;
    }
}
