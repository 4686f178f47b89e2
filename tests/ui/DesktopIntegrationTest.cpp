#include "support/ScriptedDialogs.h"
#include "support/TestMain.h"
#include "ui/RecentFiles.h"
#include "ui/SettingsStore.h"
#include "ui/desktop/DataFolder.h"
#include "ui/desktop/FileAssociation.h"
#include "ui/desktop/WindowPlacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray ReadAll(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& fileName, const QByteArray& content) {
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}
} // namespace

TEST(RecentFilesList, SurvivesARoundTripAndSkipsWhatItCannotRead) {
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("files.dat"));
    TRecentFiles written;
    written.Add(QStringLiteral("/home/ä/Über Gänge.kvp"));
    written.Add(QStringLiteral("/tmp/b.kvp"));
    ASSERT_TRUE(written.Save(list));
    EXPECT_EQ(ReadAll(list), QByteArray("/home/ä/Über Gänge.kvp\r\n/tmp/b.kvp\r\n"));

    WriteAll(list, ReadAll(list) + "\xff\xfe broken\r\n\r\n/TMP/B.KVP\n/tmp/c.kvp");
    TRecentFiles read;
    read.Load(list);
    EXPECT_EQ(read.Names(),
              QStringList({QStringLiteral("/home/ä/Über Gänge.kvp"), QStringLiteral("/tmp/b.kvp"),
                           QStringLiteral("/tmp/c.kvp")}));

    read.Load(dir.filePath(QStringLiteral("missing.dat")));
    EXPECT_TRUE(read.Names().isEmpty());
}

TEST(SettingsValues, KeepTheirKindsAndFallBackOnWhatCannotBeRead) {
    QSettings().clear();
    TEditorSettings settings;
    TProject project;
    settings.Defaults.Trans = 37.5L;
    settings.Defaults.PenShow = false;
    LoadSaveSettings(true, settings, project, 6);
    QSettings stored;
    EXPECT_EQ(stored.value(QStringLiteral("1.0/Options/PenShow")).toInt(), 0);
    EXPECT_EQ(stored.value(QStringLiteral("1.0/Options/BrushShow")).toInt(), 1);
    EXPECT_EQ(stored.value(QStringLiteral("1.0/Options/Trans")).toByteArray(),
              QByteArray::fromHex("0000000000c04240"));

    stored.setValue(QStringLiteral("1.0/Options/PenWidth"), QStringLiteral("breit"));
    stored.setValue(QStringLiteral("1.0/Options/Trans"), QStringLiteral("nan"));
    stored.sync();
    TEditorSettings read;
    LoadSaveSettings(false, read, project, 6);
    EXPECT_EQ(read.Defaults.PenWidth, 1);
    EXPECT_EQ(read.Defaults.Trans, 100.0L);
    EXPECT_FALSE(read.Defaults.PenShow);

    EXPECT_EQ(LoadLanguage(), static_cast<int>(QLocale::system().language()));
    SaveLanguage(QLocale::English);
    EXPECT_EQ(LoadLanguage(), QLocale::English);
    QSettings().clear();
}

TEST(WindowPlacementStore, RestoresOnlyWhatLandsOnAScreen) {
    const QList<QRect> screens = {QRect(0, 0, 1600, 1000), QRect(1600, 0, 1280, 1024)};
    const auto placed = [](int left, int top, int right, int bottom) {
        TWindowPlacement p;
        p.Stored = true;
        p.Left = left;
        p.Top = top;
        p.Right = right;
        p.Bottom = bottom;
        return p;
    };
    struct TCase {
        const char* What;
        TWindowPlacement Placement;
        QRect Expected;
    };
    const TCase cases[] = {
        {"never stored", TWindowPlacement{}, QRect()},
        {"on the first screen", placed(100, 50, 900, 650), QRect(100, 50, 800, 600)},
        {"on the second screen", placed(1700, 100, 2500, 700), QRect(1700, 100, 800, 600)},
        {"left edge not before the right", placed(500, 50, 500, 650), QRect()},
        {"on a screen that is gone", placed(3000, 100, 3800, 700), QRect()},
        {"title above the screen", placed(100, -40, 900, 560), QRect()},
        {"larger than the screen", placed(0, 0, 2000, 1200), QRect(0, 0, 1600, 1000)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(RestorableRect(c.Placement, screens), c.Expected) << c.What;

    QSettings().clear();
    EXPECT_FALSE(LoadWindowPlacement().Stored);
    TWindowPlacement maximised = placed(10, 20, 810, 620);
    maximised.ShowCmd = TWindowPlacement::ShowMaximized;
    SaveWindowPlacement(maximised);
    const TWindowPlacement read = LoadWindowPlacement();
    EXPECT_TRUE(read.Stored);
    EXPECT_EQ(read.ShowCmd, TWindowPlacement::ShowMaximized);
    EXPECT_EQ(read.NormalRect(), QRect(10, 20, 800, 600));
    QSettings().clear();
}

TEST(DataFolderSetup, ProbesTheFolderAndLeavesNothingBehind) {
    QTemporaryDir dir;
    EXPECT_TRUE(IsFolderWritable(dir.path()));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    // Not even root may create files there.
    EXPECT_FALSE(IsFolderWritable(QStringLiteral("/proc")));
    EXPECT_FALSE(IsFolderWritable(dir.filePath(QStringLiteral("missing"))));
}

TEST(DataFolderSetup, TakesTheFirstUsableBaseAndCreatesTheFolderBelowIt) {
    QTemporaryDir chosen, system;
    TScriptedDialogs dialogs;
    EXPECT_EQ(EstablishDataFolder({chosen.path(), system.path(), QString()}, dialogs),
              chosen.path() + QStringLiteral("/Orvane/Kelvro/1.0/"));
    const QString newUserData = system.filePath(QStringLiteral("share"));
    EXPECT_EQ(EstablishDataFolder({QStringLiteral("  "), newUserData, QString()}, dialogs),
              newUserData + QStringLiteral("/Orvane/Kelvro/1.0/"));
    EXPECT_TRUE(QFileInfo(newUserData + QStringLiteral("/Orvane/Kelvro/1.0")).isDir());
    EXPECT_TRUE(dialogs.Asked.isEmpty());
}

TEST(DataFolderSetup, AnUnusableFolderLeadsToTheChooserWarningFromTheSecondTry) {
    QSettings().clear();
    QTemporaryDir chosen;
    const TDataFolderBases readOnly{QStringLiteral("/proc"), QString(), QString()};

    TScriptedDialogs cancelling;
    cancelling.Folders = {QStringLiteral("/proc"), QString()};
    EXPECT_EQ(EstablishDataFolder(readOnly, cancelling), std::nullopt);
    EXPECT_EQ(cancelling.Asked, QStringList({QStringLiteral("Applikationspfad wählen"),
                                             QStringLiteral("Applikationspfad wählen")}));
    EXPECT_EQ(
        cancelling.Warnings,
        QStringList({QStringLiteral("Kelvro: Bitte einen gültigen Applikationspfad wählen!")}));

    TScriptedDialogs choosing;
    choosing.Folders = {chosen.path()};
    EXPECT_EQ(EstablishDataFolder(readOnly, choosing),
              chosen.path() + QStringLiteral("/Orvane/Kelvro/1.0/"));
    EXPECT_TRUE(choosing.Warnings.isEmpty());
    EXPECT_EQ(StoredAppPath(), chosen.path());
    QSettings().clear();
}

class FileTypeRegistration : public ::testing::Test {
protected:
    QTemporaryDir Home;
    TDesktopPlaces Places{Home.filePath(QStringLiteral("data")),
                          Home.filePath(QStringLiteral("config"))};

    QString Data(const char* path) const {
        return QDir(Places.DataHome).filePath(QString::fromLatin1(path));
    }
    QString MimeApps() const {
        return QDir(Places.ConfigHome).filePath(QStringLiteral("mimeapps.list"));
    }
};

TEST_F(FileTypeRegistration, ReplacesTheDefaultAndGivesItBack) {
    const QByteArray before =
        "[Added Associations]\ntext/plain=editor.desktop;\n\n"
        "[Default Applications]\napplication/x-kelvro-project=other.desktop;\n"
        "image/png=viewer.desktop;\n";
    WriteAll(MimeApps(), before);
    WriteAll(Data("applications/editor.desktop"), "[Desktop Entry]\n");

    EXPECT_EQ(RegisterFileType(Places, QStringLiteral("/opt/kelvro/bin/kelvro")),
              QStringLiteral("other.desktop"));
    EXPECT_TRUE(
        ReadAll(Data("applications/kelvro.desktop")).contains("Exec=/opt/kelvro/bin/kelvro %f\n"));
    EXPECT_TRUE(ReadAll(Data("mime/packages/kelvro.xml")).contains("application/x-kelvro-project"));
    EXPECT_TRUE(ReadAll(Data("icons/hicolor/scalable/apps/kelvro.svg")).contains("<svg"));
    EXPECT_TRUE(ReadAll(MimeApps()).contains("application/x-kelvro-project=kelvro.desktop;\n"));
    EXPECT_TRUE(ReadAll(MimeApps()).contains("image/png=viewer.desktop;\n"));

    UnregisterFileType(Places, QStringLiteral("other.desktop"));
    EXPECT_EQ(ReadAll(MimeApps()), before);
    EXPECT_FALSE(QFileInfo::exists(Data("applications/kelvro.desktop")));
    EXPECT_FALSE(QFileInfo::exists(Data("mime/packages/kelvro.xml")));
    EXPECT_TRUE(QFileInfo::exists(Data("applications/editor.desktop")));
}

TEST_F(FileTypeRegistration, WithoutAnEarlierDefaultTheChoiceIsRemovedAgain) {
    EXPECT_EQ(RegisterFileType(Places, QStringLiteral("/usr/bin/kelvro")), QString());
    UnregisterFileType(Places, QString());
    EXPECT_FALSE(ReadAll(MimeApps()).contains("x-kelvro-project"));
}

TEST_F(FileTypeRegistration, AnUnwritableDataFolderRegistersNothing) {
    WriteAll(Places.DataHome, "a file where the folder should be");
    EXPECT_EQ(RegisterFileType(Places, QStringLiteral("/usr/bin/kelvro")), std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(MimeApps()));
}

TEST(DesktopEntryCommand, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(DesktopExecCommand(QStringLiteral("/usr/bin/kelvro")),
              QStringLiteral("/usr/bin/kelvro"));
    EXPECT_EQ(DesktopExecCommand(QStringLiteral("/home/a b/kelvro")),
              QStringLiteral("\"/home/a b/kelvro\""));
    EXPECT_EQ(DesktopExecCommand(QStringLiteral("/x/$HOME\"/k")),
              QStringLiteral("\"/x/\\\\$HOME\\\\\"/k\""));
}
