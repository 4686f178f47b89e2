#include "ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMain.h"
#include "ui/MainWindow.h"
#include "ui/SettingsStore.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class DesktopCommands : public ::testing::Test {
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }

    QAction* Action(TMainForm& window, const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }

    TScriptedDialogs Dialogs;
};
} // namespace

TEST_F(DesktopCommands, HelpOpensTheGuideBesideTheProgramAndIsSilentWithoutIt) {
    TMainForm window(&Dialogs);
    QAction* help = Action(window, "ContentAction1");
    ASSERT_TRUE(help->isEnabled());
    help->trigger();
    EXPECT_TRUE(Dialogs.Opened.isEmpty());
    EXPECT_TRUE(Dialogs.Errors.isEmpty());

    const QString guide =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("KelvroHelp.pdf"));
    const auto removeGuide = qScopeGuard([&] { QFile::remove(guide); });
    QFile file(guide);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
    file.close();
    help->trigger();
    EXPECT_EQ(Dialogs.Opened, QList<QUrl>({QUrl::fromLocalFile(guide)}));
}

TEST_F(DesktopCommands, InfoShowsTheNameAndTheBuildUntilOk) {
    TMainForm window(&Dialogs);
    QString build;
    bool answered = false;
    WhenShown([&](QDialog& about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral("Info"));
        EXPECT_EQ(Child<QLabel>(about, "ProductName").text(), QStringLiteral("Kelvro"));
        build = Child<QLabel>(about, "BuildText").text();
        QTest::keyClick(&about, Qt::Key_Return);
        answered = true;
    });
    Action(window, "AboutAction1")->trigger();
    EXPECT_TRUE(answered);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+\\.\\d+b$"))
                    .match(build)
                    .hasMatch())
        << build.toStdString();
}

TEST_F(DesktopCommands, DoubleClickOnTheStatusBarTogglesTheFileType) {
    QTemporaryDir home;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_DATA_HOME", oldData);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    });
    const QString entry = home.filePath(QStringLiteral("data/applications/kelvro.desktop"));

    TMainForm window(&Dialogs);
    window.show();
    QWidget* field = window.findChild<QLabel*>(QStringLiteral("StatusField2"));
    const QString offer = window.statusBar()->toolTip();
    QTest::mouseDClick(field, Qt::LeftButton);
    EXPECT_TRUE(LoadFileTypeLink().HasLinked);
    EXPECT_TRUE(QFileInfo::exists(entry));
    EXPECT_NE(window.statusBar()->toolTip(), offer);

    QTest::mouseDClick(window.statusBar(), Qt::LeftButton);
    EXPECT_FALSE(LoadFileTypeLink().HasLinked);
    EXPECT_FALSE(QFileInfo::exists(entry));
    EXPECT_EQ(window.statusBar()->toolTip(), offer);
    EXPECT_TRUE(Dialogs.Errors.isEmpty());
}

TEST_F(DesktopCommands, TheRecentFilesOfOneRunAreOfferedInTheNext) {
    QTemporaryDir dataFolder;
    const QString folder = dataFolder.path() + QLatin1Char('/');
    const QString project = QDir(TestScratchFolder()).filePath(QStringLiteral("recent.kvp"));
    {
        TMainForm first(&Dialogs, folder);
        Dialogs.Files = {project};
        Action(first, "SaveAsAction1")->trigger();
    }
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("files.dat")));
    TMainForm next(&Dialogs, folder);
    EXPECT_EQ(next.RecentFiles().Names(), QStringList({project}));
}
