#include "ui/MainWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TestObject.h"
#include "ui/text/Language.h"

#include "support/TestMain.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <sys/mount.h>

namespace {
QString Status(TMainForm& window, int field) {
    return window.findChild<QLabel*>(QStringLiteral("StatusField%1").arg(field))->text();
}

// The full path of the project file, which the third status field shows as its tooltip.
QString StatusPath(TMainForm& window) {
    return window.findChild<QLabel*>(QStringLiteral("StatusField3"))->toolTip();
}

QAction* Action(TMainForm& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

QStringList MenuCaptions(QMenu* menu) {
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

QMenu* Menu(TMainForm& window, const QString& title) {
    for (QAction* action : window.menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

// Gives the current frame a pending change, as an edit on the canvas does.
void AddPendingChange(TMainForm& window) {
    TTestObject object;
    window.Project().CurrentUndo().push_back(
        std::make_unique<TUndoItem>(utChanged, &object, nullptr, 0, -1, QString(), 1.0L));
    window.UpdateControls();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    TScriptedDialogs Dialogs;
};
} // namespace

TEST_F(MainWindowTest, HasTheTitleSizeAndMenus) {
    TMainForm window(&Dialogs);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kelvro 1.0"));
    EXPECT_EQ(window.size(), QSize(1400, 880));
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"Datei", "Bearbeiten", "Objekt", "Hilfe"}));
    EXPECT_EQ(
        MenuCaptions(Menu(window, "Datei")),
        QStringList({"Neu", "-", "Öffnen...", "Speichern", "Speichern unter...", "-", "Export...",
                     "-", "Einstellungen", "Wiederherstellung...", "-", "Beenden"}));
    const QStringList edit = {"Rückgängig",   "Wiederholen", "-",       "Ausschneiden",
                              "Kopieren",     "Einfügen",    "Löschen", "-",
                              "Nach vorn",    "Nach hinten", "-",       "Winkel...",
                              "Streckung...", "-",           "Daten..."};
    EXPECT_EQ(MenuCaptions(Menu(window, "Bearbeiten")), edit);
    EXPECT_EQ(MenuCaptions(window.findChild<QMenu*>(QStringLiteral("CanvasMenu"))), edit);
    EXPECT_EQ(MenuCaptions(Menu(window, "Objekt")),
              QStringList({"Auswahl", "-", "Polyline", "BezierPolyline", "Polygon", "BezierPolygon",
                           "-", "Bild", "Text", "Form"}));
    EXPECT_EQ(MenuCaptions(Menu(window, "Hilfe")),
              QStringList({"Programm-Hilfe", "-", "Sprache", "-", "Info"}));
}

TEST_F(MainWindowTest, ActionsCarryTheirShortcuts) {
    TMainForm window(&Dialogs);
    const std::vector<std::pair<const char*, QKeySequence>> shortcuts = {
        {"NewAction1", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"OpenAction1", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"SaveAction1", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"UndoAction1", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"RedoAction1", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {"CutAction1", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"CopyAction1", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"PasteAction1", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"DeleteAction1", QKeySequence(Qt::Key_Delete)},
        {"SaveAsAction1", QKeySequence()},
        {"ExportAction1", QKeySequence()},
    };
    for (const auto& [name, keys] : shortcuts) {
        ASSERT_NE(Action(window, name), nullptr) << name;
        EXPECT_EQ(Action(window, name)->shortcut(), keys) << name;
    }
    EXPECT_EQ(Action(window, "SaveAction1")->toolTip(), QStringLiteral("Speichern"));
}

TEST_F(MainWindowTest, ToolButtonsAreExclusiveAndSelectionIsDown) {
    TMainForm window(&Dialogs);
    auto* selection = window.findChild<QToolButton*>(QStringLiteral("ModeSpeed1"));
    auto* polygon = window.findChild<QToolButton*>(QStringLiteral("ModeSpeed4"));
    EXPECT_TRUE(selection->isChecked());
    window.show();
    QTest::mouseClick(polygon, Qt::LeftButton);
    EXPECT_TRUE(polygon->isChecked());
    EXPECT_FALSE(selection->isChecked());
    EXPECT_TRUE(Action(window, "PolygonAction1")->isChecked());
}

TEST_F(MainWindowTest, StatusBarShowsFrameAndFile) {
    TMainForm window(&Dialogs);
    EXPECT_EQ(Status(window, 1), QString());
    EXPECT_EQ(Status(window, 2), QStringLiteral("Fi:1, Fc:50, Fps:15"));
    EXPECT_EQ(Status(window, 3), QStringLiteral("Unbenannt"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("StatusField2"))->width(), 150);
}

TEST_F(MainWindowTest, PendingChangesDriveTheCommands) {
    TMainForm window(&Dialogs);
    EXPECT_FALSE(Action(window, "SaveAction1")->isEnabled());
    EXPECT_FALSE(Action(window, "UndoAction1")->isEnabled());
    EXPECT_FALSE(Action(window, "CutAction1")->isEnabled());
    EXPECT_FALSE(Action(window, "DataAction1")->isEnabled());
    EXPECT_FALSE(Action(window, "AngleAction1")->isEnabled());
    auto* take = window.findChild<QToolButton*>(QStringLiteral("TakeSpeed"));
    auto* play = window.findChild<QToolButton*>(QStringLiteral("PlaySpeed"));
    auto* group = window.findChild<QToolButton*>(QStringLiteral("GroupSpeed"));
    EXPECT_FALSE(take->isEnabled());
    EXPECT_TRUE(play->isEnabled());
    EXPECT_TRUE(group->isEnabled());

    AddPendingChange(window);
    EXPECT_TRUE(Action(window, "SaveAction1")->isEnabled());
    EXPECT_TRUE(Action(window, "UndoAction1")->isEnabled());
    EXPECT_TRUE(take->isEnabled());
    EXPECT_FALSE(play->isEnabled());
    EXPECT_EQ(Status(window, 1), QStringLiteral("Geändert"));
    EXPECT_TRUE(window.IsModified());
}

TEST_F(MainWindowTest, RedoableRecordsBlockPlayback) {
    TMainForm window(&Dialogs);
    TTestObject object;
    window.Project().CurrentRedo().push_back(
        std::make_unique<TUndoItem>(utChanged, &object, nullptr, 0, -1, QString(), 1.0L));
    window.UpdateControls();
    EXPECT_TRUE(Action(window, "RedoAction1")->isEnabled());
    EXPECT_FALSE(window.findChild<QToolButton*>(QStringLiteral("PlaySpeed"))->isEnabled());
    EXPECT_FALSE(Action(window, "SaveAction1")->isEnabled());
}

TEST_F(MainWindowTest, QuerySaveAsksOnlyWhenModified) {
    TMainForm window(&Dialogs);
    EXPECT_TRUE(window.QuerySave());
    EXPECT_TRUE(Dialogs.Asked.isEmpty());
}

TEST_F(MainWindowTest, NoThenACancelledOrFailedOpenKeepsTheEditsMarked) {
    const QString other = QDir(TestScratchFolder()).filePath(QStringLiteral("no-project.kvp"));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(64, '\x07'));
    file.close();
    TMainForm window(&Dialogs);
    window.show();
    AddPendingChange(window);
    for (const QStringList& chosen : {QStringList(), QStringList({other})}) {
        Dialogs.Answers = {QMessageBox::No};
        Dialogs.Files = chosen;
        Action(window, "OpenAction1")->trigger();
        EXPECT_TRUE(window.IsModified());
        EXPECT_EQ(window.Project().CurrentUndo().size(), 1u);
        EXPECT_EQ(Status(window, 1), QStringLiteral("Geändert"));
    }
    EXPECT_EQ(
        Dialogs.Asked,
        QStringList(2, QStringLiteral("Bestätigung: \"Unbenannt\" wurde geändert. Speichern?")));
    Dialogs.Answers = {QMessageBox::Cancel};
    EXPECT_FALSE(window.close());
    EXPECT_EQ(Dialogs.Asked.size(), 3);
}

TEST_F(MainWindowTest, QuerySaveCancelKeepsEverything) {
    TMainForm window(&Dialogs);
    AddPendingChange(window);
    Dialogs.Answers = {QMessageBox::Cancel};
    EXPECT_FALSE(window.QuerySave());
    EXPECT_EQ(window.Project().CurrentUndo().size(), 1u);
}

TEST_F(MainWindowTest, QuerySaveYesWithCancelledSaveDialogKeepsTheWindowOpen) {
    TMainForm window(&Dialogs);
    window.show();
    AddPendingChange(window);
    Dialogs.Answers = {QMessageBox::Yes};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.IsModified());
}

TEST_F(MainWindowTest, ClosingUnchangedProjectAsksNothing) {
    TMainForm window(&Dialogs);
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(Dialogs.Asked.isEmpty());
}

TEST_F(MainWindowTest, ClosingWithNoAnswerCloses) {
    TMainForm window(&Dialogs);
    window.show();
    AddPendingChange(window);
    Dialogs.Answers = {QMessageBox::No};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(Dialogs.Asked.size(), 1);
}

TEST_F(MainWindowTest, NewResetsTheProjectAfterTheQuestion) {
    TMainForm window(&Dialogs);
    window.Project().Master().Objects.push_back(MakeTestObject(QStringLiteral("x"), true));
    AddPendingChange(window);
    Dialogs.Answers = {QMessageBox::Cancel};
    Action(window, "NewAction1")->trigger();
    EXPECT_EQ(window.Project().Master().Objects.size(), 1u);
    Dialogs.Answers = {QMessageBox::No};
    Action(window, "NewAction1")->trigger();
    EXPECT_TRUE(window.Project().Master().Objects.empty());
    EXPECT_EQ(window.Project().Frames.size(), 50u);
    EXPECT_FALSE(window.IsModified());
    EXPECT_EQ(Status(window, 1), QString());
}

TEST_F(MainWindowTest, SettingsOfTheLastRunBecomeTheNextDefaults) {
    {
        TMainForm first(&Dialogs);
        first.Project().ProjectWidth = 640;
        first.Project().ProjectHeight = 480;
        first.Project().FrameCount = 30;
        first.Defaults().PenWidth = 5;
        first.Defaults().FontStyle = fsBold | fsUnderline;
        first.Defaults().Trans = 37.25L;
    }
    TMainForm second(&Dialogs);
    EXPECT_EQ(second.Project().ProjectWidth, 640);
    EXPECT_EQ(second.Project().ProjectHeight, 480);
    EXPECT_EQ(second.Project().FrameCount, 30);
    EXPECT_EQ(second.Project().Frames.size(), 30u);
    EXPECT_EQ(second.Project().PlayEnd, 29);
    EXPECT_EQ(second.Defaults().PenWidth, 5);
    EXPECT_EQ(second.Defaults().FontStyle, fsBold | fsUnderline);
    EXPECT_EQ(second.Defaults().Trans, 37.25L);
    EXPECT_EQ(Status(second, 2), QStringLiteral("Fi:1, Fc:30, Fps:15"));
}

TEST_F(MainWindowTest, FreshSettingsGiveTheDefaultProject) {
    TMainForm window(&Dialogs);
    const TPanelDefaults& d = window.Defaults();
    EXPECT_EQ(d.BrushColor, 0xFFFFFF);
    EXPECT_EQ(d.PenColor, 0);
    EXPECT_EQ(d.PenWidth, 1);
    EXPECT_EQ(d.Trans, 100.0L);
    EXPECT_EQ(d.FontName, QStringLiteral("Arial"));
    EXPECT_EQ(d.FontSize, 48);
    EXPECT_EQ(window.Project().ProjectWidth, 800);
    EXPECT_EQ(window.Project().BackgroundColor, 0xFFFFFF);
    EXPECT_EQ(window.Project().Zoom, 1.0L);
}

TEST_F(MainWindowTest, DamagedSettingsStillGiveAUsableProject) {
    {
        QSettings settings;
        settings.setValue(QStringLiteral("1.0/Options/FrameCount"), -3);
        settings.setValue(QStringLiteral("1.0/Options/Width"), 0);
    }
    TMainForm window(&Dialogs);
    EXPECT_EQ(window.Project().FrameCount, 50);
    EXPECT_EQ(window.Project().ProjectWidth, 800);
}

TEST_F(MainWindowTest, PanelStatesPersist) {
    {
        TMainForm first(&Dialogs);
        first.show();
        QTest::mouseClick(
            first.findChild<QWidget*>(QStringLiteral("CompBar3"))->findChild<QToolButton*>(),
            Qt::LeftButton);
    }
    EXPECT_FALSE(QSettings().value(QStringLiteral("1.0/Options/CompBar3")).toBool());
    EXPECT_TRUE(QSettings().value(QStringLiteral("1.0/Options/CompBar1")).toBool());
}

namespace {
QString ScratchFile(const QString& name) {
    return QDir(TestScratchFolder()).filePath(name);
}
} // namespace

TEST_F(MainWindowTest, QuerySaveYesSavesUnderTheChosenName) {
    TMainForm window(&Dialogs);
    AddPendingChange(window);
    Dialogs.Answers = {QMessageBox::Yes};
    Dialogs.Files = {ScratchFile(QStringLiteral("first.txt"))};
    EXPECT_TRUE(window.QuerySave());
    EXPECT_EQ(window.FileName(), ScratchFile(QStringLiteral("first.kvp")));
    EXPECT_TRUE(QFileInfo::exists(ScratchFile(QStringLiteral("first.kvp"))));
    EXPECT_FALSE(window.IsModified());
    EXPECT_EQ(StatusPath(window), ScratchFile(QStringLiteral("first.kvp")));
}

TEST_F(MainWindowTest, OpenReadsTheProjectFileOfTheChosenName) {
    const QString saved = ScratchFile(QStringLiteral("small.kvp"));
    {
        TMainForm author(&Dialogs);
        author.Project().ProjectWidth = 320;
        author.Project().FramesPerSec = 25;
        Dialogs.Files = {saved};
        Action(author, "SaveAsAction1")->trigger();
        ASSERT_TRUE(QFileInfo::exists(saved));
    }
    TMainForm window(&Dialogs);
    Dialogs.Files = {ScratchFile(QStringLiteral("small.png"))};
    Action(window, "OpenAction1")->trigger();
    EXPECT_EQ(window.Project().ProjectWidth, 320);
    EXPECT_EQ(window.FileName(), saved);
    EXPECT_EQ(Status(window, 2), QStringLiteral("Fi:1, Fc:50, Fps:25"));
    EXPECT_EQ(StatusPath(window), saved);
    EXPECT_TRUE(Dialogs.Errors.isEmpty());
}

TEST_F(MainWindowTest, OpeningAFileThatIsNoProjectIsReportedAndChangesNothing) {
    const QString other = ScratchFile(QStringLiteral("other.kvp"));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(64, '\x07'));
    file.close();
    TMainForm window(&Dialogs);
    window.Project().ProjectWidth = 333;
    Dialogs.Files = {other};
    Action(window, "OpenAction1")->trigger();
    EXPECT_EQ(window.Project().ProjectWidth, 333);
    EXPECT_TRUE(window.FileName().isEmpty());
    ASSERT_EQ(Dialogs.Errors.size(), 1);
    EXPECT_TRUE(Dialogs.Errors[0].startsWith(QStringLiteral("Fehler: ")));
    EXPECT_TRUE(Dialogs.Errors[0].contains(QStringLiteral("other.kvp")));
}

TEST_F(MainWindowTest, ADamagedProjectIsReportedAndLeavesTheProject) {
    const QString damaged = ScratchFile(QStringLiteral("damaged.kvp"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const char magic[4] = {'\xCC', '\x0C', 0, 0};
    file.write(magic, 4);
    file.write(QByteArray(6, '\x01'));
    file.close();
    TMainForm window(&Dialogs);
    Dialogs.Files = {damaged};
    Action(window, "OpenAction1")->trigger();
    EXPECT_EQ(Dialogs.Errors.size(), 1);
    EXPECT_TRUE(Dialogs.Errors.value(0).startsWith(QStringLiteral("Fehler: ")));
    EXPECT_EQ(window.Project().ProjectWidth, 800);
    EXPECT_TRUE(window.FileName().isEmpty());
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheProjectModified) {
    TMainForm window(&Dialogs);
    AddPendingChange(window);
    Dialogs.Files = {ScratchFile(QStringLiteral("no/such/folder/x.kvp"))};
    Action(window, "SaveAction1")->trigger();
    EXPECT_EQ(Dialogs.Errors.size(), 1);
    EXPECT_TRUE(window.IsModified());
    EXPECT_TRUE(window.FileName().isEmpty());
    EXPECT_EQ(Status(window, 1), QStringLiteral("Geändert"));
    EXPECT_EQ(window.Project().CurrentUndo().size(), 1u);
    EXPECT_TRUE(window.RecentFiles().Names().isEmpty());
}

TEST_F(MainWindowTest, ASaveOntoAReadOnlyFileKeepsItIntact) {
    const QString locked = ScratchFile(QStringLiteral("locked.kvp"));
    {
        QFile file(locked);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old contents");
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    const QString folder = QFileInfo(locked).absolutePath();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    TMainForm window(&Dialogs);
    AddPendingChange(window);
    Dialogs.Files = {locked};
    Action(window, "SaveAsAction1")->trigger();
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (Dialogs.Errors.isEmpty())
        GTEST_SKIP() << "this user may write anywhere (root)";
    QFile file(locked);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old contents"));
    EXPECT_TRUE(window.IsModified());
}

TEST_F(MainWindowTest, SavingAndOpeningRememberTheFiles) {
    TMainForm window(&Dialogs);
    Dialogs.Files = {ScratchFile(QStringLiteral("one.kvp"))};
    Action(window, "SaveAsAction1")->trigger();
    Dialogs.Files = {ScratchFile(QStringLiteral("ONE.kvp"))};
    Action(window, "OpenAction1")->trigger();
    Dialogs.Files = {ScratchFile(QStringLiteral("two.kvp"))};
    Action(window, "SaveAsAction1")->trigger();
    EXPECT_EQ(window.RecentFiles().Names(), QStringList({ScratchFile(QStringLiteral("one.kvp")),
                                                         ScratchFile(QStringLiteral("two.kvp"))}));
}

TEST(RecentFiles, KeepsTenWithoutRegardToCase) {
    TRecentFiles files;
    for (int i = 1; i <= 11; ++i)
        files.Add(QStringLiteral("/p/%1.kvp").arg(i));
    EXPECT_EQ(files.Names().size(), 10);
    EXPECT_EQ(files.Names().first(), QStringLiteral("/p/2.kvp"));
    files.Add(QStringLiteral("/P/5.KVP"));
    EXPECT_EQ(files.Names().size(), 10);
    EXPECT_EQ(files.Names().at(3), QStringLiteral("/p/5.kvp"));
}

TEST_F(MainWindowTest, TheProjectNamedAtStartOpensWhenTheWindowIsShown) {
    const QString saved = ScratchFile(QStringLiteral("start.kvp"));
    {
        TMainForm author(&Dialogs);
        author.Project().ProjectHeight = 123;
        Dialogs.Files = {saved};
        Action(author, "SaveAsAction1")->trigger();
    }
    QSettings().clear();
    TMainForm window(&Dialogs);
    window.SetStartProject(saved);
    EXPECT_EQ(window.Project().ProjectHeight, 600);
    window.show();
    QTest::qWait(10);
    EXPECT_EQ(window.Project().ProjectHeight, 123);
    EXPECT_EQ(window.FileName(), saved);

    TMainForm missing(&Dialogs);
    missing.SetStartProject(ScratchFile(QStringLiteral("missing.kvp")));
    missing.show();
    QTest::qWait(10);
    EXPECT_TRUE(missing.FileName().isEmpty());
    EXPECT_TRUE(Dialogs.Errors.isEmpty());
}

TEST_F(MainWindowTest, TheRecentMenuListsExistingFilesAndOpensThem) {
    TMainForm window(&Dialogs);
    const QString kept = ScratchFile(QStringLiteral("kept.kvp"));
    const QString gone = ScratchFile(QStringLiteral("gone.kvp"));
    for (const QString& name : {gone, kept}) {
        Dialogs.Files = {name};
        Action(window, "SaveAsAction1")->trigger();
    }
    QFile::remove(gone);
    window.Project().ProjectWidth = 999;
    auto* menu = window.findChild<QMenu*>(QStringLiteral("RecentMenu"));
    emit menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), kept);
    EXPECT_EQ(window.RecentFiles().Names(), QStringList({kept}));
    menu->actions()[0]->trigger();
    EXPECT_EQ(window.Project().ProjectWidth, 800);
    EXPECT_EQ(window.FileName(), kept);
}

TEST_F(MainWindowTest, SaveAsAsksBeforeReplacingTheProjectFileOfATypedName) {
    const QString existing = ScratchFile(QStringLiteral("film.kvp"));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("older film");
    }
    TMainForm window(&Dialogs);
    AddPendingChange(window);
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        Dialogs.Files = {ScratchFile(QStringLiteral("film"))};
        Dialogs.Answers = {answer};
        Action(window, "SaveAsAction1")->trigger();
    }
    ASSERT_EQ(Dialogs.Asked.size(), 2);
    EXPECT_TRUE(Dialogs.Asked[0].startsWith(QStringLiteral("Bestätigung: ")));
    EXPECT_TRUE(Dialogs.Asked[0].contains(QStringLiteral("film.kvp")));
    EXPECT_EQ(window.FileName(), existing);
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_NE(file.readAll(), QByteArray("older film"));
}

TEST_F(MainWindowTest, StatusFieldsStayWhileMenusAreHoveredAndKeepLongNamesReadable) {
    TMainForm window(&Dialogs);
    window.show();
    const QString saved = ScratchFile(QStringLiteral("ein-recht-langer-projektname.kvp"));
    Dialogs.Files = {saved};
    Action(window, "SaveAsAction1")->trigger();
    auto* field = window.findChild<QLabel*>(QStringLiteral("StatusField3"));
    EXPECT_EQ(field->toolTip(), saved);
    EXPECT_TRUE(field->text().endsWith(QStringLiteral(".kvp"))) << field->text().toStdString();
    EXPECT_TRUE(field->text().startsWith(saved.left(4))) << field->text().toStdString();
    EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()), field->width());

    QMenu* file = Menu(window, "Datei");
    window.menuBar()->setActiveAction(file->menuAction());
    ASSERT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); }));
    file->setActiveAction(Action(window, "NewAction1"));
    EXPECT_TRUE(field->isVisible());
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("StatusField2"))->isVisible());
    file->close();
}

TEST(QtTexts, StandardButtonsSpeakTheChosenLanguage) {
    const auto buttonTexts = [] {
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::Cancel);
        return box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')) + QLatin1Char('/') +
               box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&'));
    };
    TLanguageSwitch::Instance().Apply(TUiLanguage::German);
    EXPECT_EQ(buttonTexts(), QStringLiteral("Ja/Abbrechen"))
        << "Qt's German catalogue (qt6-translations-l10n) is missing";
    TLanguageSwitch::Instance().Apply(TUiLanguage::English);
    EXPECT_EQ(buttonTexts(), QStringLiteral("Yes/Cancel"));
    TLanguageSwitch::Instance().Apply(TUiLanguage::German);
}

TEST_F(MainWindowTest, EveryPanelFitsTheDefaultWindowAndThePlayControlsExplainThemselves) {
    TMainForm window(&Dialogs);
    window.show();
    QTest::qWait(10);
    auto* column = window.findChild<QScrollArea*>(QStringLiteral("RightScrollBox"));
    EXPECT_EQ(column->verticalScrollBar()->maximum(), 0);
    auto* frames = window.findChild<QComboBox*>(QStringLiteral("FrameCombo"));
    EXPECT_GE(frames->width(), frames->sizeHint().width());
    const std::vector<std::pair<const char*, const char*>> hints = {{"PlaySpeed", "Abspielen"},
                                                                    {"StopSpeed", "Stopp"},
                                                                    {"EndlessSpeed", "Endlos"},
                                                                    {"LeftSpeed", "Bereichsanfang"},
                                                                    {"RightSpeed", "Bereichsende"}};
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(window.findChild<QToolButton*>(QString::fromLatin1(name))->toolTip(),
                  QString::fromUtf8(hint));
}

TEST_F(MainWindowTest, AFullDiskSaveKeepsTheOldFileSaysWhyAndStaysModified) {
    const QString folder = ScratchFile(QStringLiteral("full-disk"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray mountPoint = QFile::encodeName(folder);
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here (needs root)";
    const auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });
    const QString film = folder + QStringLiteral("/film.kvp");
    {
        QFile old(film);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("older film");
    }
    TMainForm window(&Dialogs);
    QImage large(300, 300, QImage::Format_RGB32);
    large.fill(Qt::red);
    window.Project().BackgroundBitmap = large;
    AddPendingChange(window);
    Dialogs.Files = {film};
    Action(window, "SaveAsAction1")->trigger();
    ASSERT_EQ(Dialogs.Errors.size(), 1);
    EXPECT_TRUE(
        Dialogs.Errors[0].contains(QStringLiteral("Kein Speicherplatz auf dem Datenträger")))
        << Dialogs.Errors[0].toStdString();
    QFile old(film);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("older film"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"film.kvp"}));
    EXPECT_TRUE(window.IsModified());
}
