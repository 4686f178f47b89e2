#include "ui/editor/DesktopCommands.h"

#include "core/text/CommonTexts.h"
#include "ui/AboutForm.h"
#include "ui/DialogService.h"
#include "ui/SettingsStore.h"
#include "ui/desktop/FileAssociation.h"
#include "ui/desktop/HelpDocument.h"
#include "ui/text/TextBinding.h"

#include <QCoreApplication>
#include <QStatusBar>
#include <QUrl>

TDesktopCommands::TDesktopCommands(TDialogService& dialogs, QWidget* window)
    : QObject(window), FDialogs(dialogs), FWindow(window) {
    // The window gives its status bar the hint once it has built it; the hint follows the
    // language from then on.
    OnLanguageChange(this, [window] {
        if (auto* bar = window->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
            bar->setToolTip(StatusBarHint());
    });
}

void TDesktopCommands::ContentAction1Execute() {
    // A missing guide or viewer is not worth a message.
    const QString guide = HelpDocumentPath(QCoreApplication::applicationDirPath());
    if (!guide.isEmpty())
        FDialogs.OpenDocument(QUrl::fromLocalFile(guide));
}

void TDesktopCommands::AboutAction1Execute() {
    TAboutForm about(FWindow);
    about.exec();
}

void TDesktopCommands::StatusBar1DblClick() {
    TFileTypeLink link = LoadFileTypeLink();
    const TDesktopPlaces places = CurrentDesktopPlaces();
    if (link.HasLinked) {
        UnregisterFileType(places, link.LinkName);
        link.HasLinked = false;
    } else {
        const std::optional<QString> previous =
            RegisterFileType(places, QCoreApplication::applicationFilePath());
        if (!previous) {
            FDialogs.Error(FWindow, ResStr(kErrorCaption),
                           ResStr(24070, "Die Projektdateien konnten nicht mit Kelvro verknüpft "
                                         "werden:\n%1 ist nicht beschreibbar.")
                               .arg(places.DataHome));
            return;
        }
        link = {true, *previous};
    }
    SaveFileTypeLink(link);
    RefreshDesktopDatabases(places);
}

QString TDesktopCommands::StatusBarHint() {
    return LoadFileTypeLink().HasLinked
               ? ResStr(24071, "Doppelklick: Projektdateien (*.kvp) nicht mehr mit Kelvro öffnen")
               : ResStr(24072, "Doppelklick: Projektdateien (*.kvp) mit Kelvro öffnen");
}
