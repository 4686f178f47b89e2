#include "CanvasFixture.h"

#include "core/io/ProjectFile.h"
#include "support/TestMain.h"
#include "ui/text/Language.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QToolButton>
#include <functional>

namespace {

// Every other test reads the German texts, so German comes back after each test.
class EnglishMessages : public CanvasFixture {
protected:
    void TearDown() override {
        TLanguageSwitch::Instance().Apply(TUiLanguage::German);
        CanvasFixture::TearDown();
    }
};

// A file with only the marker of a project: the project's size that should follow is missing.
QString CutProjectFile() {
    const QString name = QDir(TestScratchFolder()).filePath(QStringLiteral("cut.kvp"));
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << ProjectMagic;
    return name;
}

} // namespace

TEST_F(EnglishMessages, FileMessagesCommandsAndHintsFollowTheLanguage) {
    const QString cut = CutProjectFile();
    const QString shownCut = QDir::toNativeSeparators(cut);
    Dialogs.ShapeChoices = {9};
    Tool("FormAction1");
    Click({120, 80});
    Tool("SelectionAction1");

    struct TCase {
        const char* Name;
        std::function<QString()> Shown;
        QString German;
        QString English;
    };
    const std::vector<TCase> cases = {
        // The question about the unsaved shape, then the dialog's own text around the stream's
        // reason, made at the failure's moment.
        {"damaged project",
         [&] {
             Dialogs.Asked.clear();
             Dialogs.Errors.clear();
             Dialogs.Answers = {QMessageBox::No};
             Dialogs.Files = {cut};
             Action("OpenAction1")->trigger();
             return (Dialogs.Asked + Dialogs.Errors).join(u'|');
         },
         QStringLiteral("Bestätigung: \"Unbenannt\" wurde geändert. Speichern?|Fehler: Die Datei "
                        "„%1“ konnte nicht geöffnet werden.\nDie Daten sind beschädigt oder "
                        "unvollständig (unerwartetes Ende).")
             .arg(shownCut),
         QStringLiteral("Confirm: \"Untitled\" has been changed. Save the changes?|Error: The file "
                        "“%1” could not be opened.\nThe data is damaged or incomplete (unexpected "
                        "end).")
             .arg(shownCut)},
        {"angle question",
         [&] {
             // Opening a file drops the selection.
             emit Combo("ObjectCombo")->activated(0);
             Dialogs.ValueAsked.clear();
             Action("AngleAction1")->trigger();
             return Dialogs.ValueAsked.empty() ? QString()
                                               : Dialogs.ValueAsked[0].mid(0, 2).join(u'|');
         },
         QStringLiteral("Eingabe|Winkel:"), QStringLiteral("Input|Angle:")},
        // Set once when the window was built.
        {"name button hint",
         [&] { return Window->findChild<QToolButton*>(QStringLiteral("NameSpeed"))->toolTip(); },
         QStringLiteral("Objektname eingeben"), QStringLiteral("Enter the object's name")},
        {"status bar hint", [&] { return Window->statusBar()->toolTip(); },
         QStringLiteral("Doppelklick: Projektdateien (*.kvp) mit Kelvro öffnen"),
         QStringLiteral("Double-click: open project files (*.kvp) with Kelvro")},
    };
    for (const TUiLanguage language : {TUiLanguage::English, TUiLanguage::German}) {
        TLanguageSwitch::Instance().Apply(language);
        for (const TCase& c : cases)
            EXPECT_EQ(c.Shown(), language == TUiLanguage::English ? c.English : c.German) << c.Name;
    }
}
