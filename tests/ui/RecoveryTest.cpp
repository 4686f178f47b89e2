#include "CanvasFixture.h"
#include "ModalAnswers.h"
#include "core/io/ProjectFile.h"
#include "core/io/RecoveryStore.h"
#include "ui/RecoveryForm.h"
#include "ui/editor/RecoveryPart.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {
constexpr int kDelayMs = 20;

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.kvp"), QStringLiteral("*.json")}, QDir::Files,
                                  QDir::Name);
}
} // namespace

class Recovery : public CanvasFixture {
protected:
    void SetUp() override {
        CanvasFixture::SetUp();
        Open(Dialogs);
    }

    void Open(TDialogService& dialogs) {
        OpenWindow(dialogs, Data.path() + QLatin1Char('/'));
        Window->Recovery().SetDelayForTests(kDelayMs);
    }

    QString Folder() const { return Data.filePath(QStringLiteral("Wiederherstellung")); }
    QString Project(const char* name) const { return Data.filePath(QString::fromLatin1(name)); }

    // A clean project gives up its copy once the event that made it clean is handled.
    bool CopiesGone() {
        return QTest::qWaitFor([&] { return FilesIn(Folder()).isEmpty(); }, 1000);
    }

    QString WaitForCopy() {
        QString copy;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !(copy = Window->Recovery().CopyFile()).isEmpty(); }, 5000));
        return copy;
    }

    // A copy of a project with one line, left by an editor that is gone.
    void LeaveCopy(const QString& projectFile) {
        TProject project;
        CreateFrames(project, 3);
        TRecoveryStore gone(Folder());
        gone.Write(ProjectFileBytes(project), projectFile);
    }

    QTemporaryDir Data;
};

TEST_F(Recovery, ACopyFollowsChangesAndGoesWithSaveNewAndExit) {
    QTest::qWait(3 * kDelayMs);
    EXPECT_TRUE(FilesIn(Folder()).isEmpty());

    DrawLine({10, 10}, {60, 60});
    const QString copy = WaitForCopy();
    EXPECT_TRUE(QFileInfo(copy).fileName().startsWith(QStringLiteral("Unbenannt-")));
    Dialogs.Files = {Project("film.kvp")};
    Action("SaveAsAction1")->trigger();
    EXPECT_TRUE(CopiesGone());

    DrawLine({20, 10}, {60, 90});
    EXPECT_TRUE(QFileInfo(WaitForCopy()).fileName().startsWith(QStringLiteral("film-")));
    Dialogs.Answers = {QMessageBox::No};
    Dialogs.SettingsAnswers = {std::nullopt};
    Action("NewAction1")->trigger();
    EXPECT_FALSE(FilesIn(Folder()).isEmpty()) << "a cancelled New keeps the work and its copy";
    Dialogs.Answers = {QMessageBox::No};
    Action("NewAction1")->trigger();
    EXPECT_TRUE(CopiesGone());

    DrawLine({10, 10}, {60, 60});
    WaitForCopy();
    Window.reset();
    EXPECT_TRUE(FilesIn(Folder()).isEmpty());
}

TEST_F(Recovery, TwoEditorsKeepSeparateCopiesAndLeaveEachOthersAlone) {
    DrawLine({10, 10}, {60, 60});
    const QString first = WaitForCopy();
    TScriptedDialogs otherDialogs;
    TMainForm other(&otherDialogs, Data.path() + QLatin1Char('/'));
    other.show();
    QTest::qWait(50);
    EXPECT_TRUE(otherDialogs.Asked.isEmpty());
    other.Recovery().SetDelayForTests(kDelayMs);
    other.findChild<QAction*>(QStringLiteral("SettingsAction1"))->trigger();
    ASSERT_TRUE(other.IsModified());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !other.Recovery().CopyFile().isEmpty(); }, 5000));
    EXPECT_NE(other.Recovery().CopyFile(), first);
    EXPECT_EQ(FilesIn(Folder()).size(), 4);
}

TEST_F(Recovery, LaterKeepsTheCopyDiscardDeletesIt) {
    LeaveCopy(Project("film.kvp"));
    Dialogs.Choices = {2};
    Open(Dialogs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Dialogs.Asked.isEmpty(); }, 5000));
    ASSERT_EQ(Dialogs.Asked.size(), 1);
    EXPECT_TRUE(Dialogs.Asked.first().contains(QStringLiteral("film.kvp")));
    EXPECT_EQ(FilesIn(Folder()).size(), 2);
    EXPECT_FALSE(Window->IsModified());

    Dialogs.Choices = {1};
    Open(Dialogs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Dialogs.Asked.size() == 2; }, 5000));
    EXPECT_TRUE(FilesIn(Folder()).isEmpty());
    EXPECT_FALSE(Window->IsModified());
}

TEST_F(Recovery, ADamagedCopyIsReportedAndKeptAside) {
    LeaveCopy(QString());
    const QStringList left = FilesIn(Folder());
    QFile copy(QDir(Folder()).filePath(left.first()));
    ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
    copy.resize(40);
    copy.close();
    QFile(Project("film.kvp")).open(QIODevice::WriteOnly);

    Open(Dialogs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Dialogs.Errors.isEmpty(); }, 5000));
    ASSERT_EQ(Dialogs.Errors.size(), 1);
    EXPECT_TRUE(Dialogs.Errors.first().contains(QStringLiteral("beschädigt")));
    EXPECT_TRUE(Dialogs.Asked.isEmpty());
    EXPECT_EQ(QDir(Folder() + QStringLiteral("/Beschädigt")).entryList(QDir::Files), left);
    EXPECT_TRUE(QFileInfo::exists(Project("film.kvp")));
}

TEST_F(Recovery, TheSettingsDialogSwitchesCopiesOffAndOn) {
    DrawLine({10, 10}, {60, 60});
    WaitForCopy();
    Dialogs.RecoveryAnswers = {TRecoverySettings{false, 45}};
    Action("RecoveryAction1")->trigger();
    EXPECT_TRUE(FilesIn(Folder()).isEmpty());
    EXPECT_FALSE(LoadRecoverySettings().Enabled);
    EXPECT_EQ(LoadRecoverySettings().Seconds, 45);

    TRecoveryForm form;
    form.SetSettings({false, 45});
    WhenShown([](QDialog& dialog) {
        auto& seconds = Child<QSpinBox>(dialog, "RecoverySeconds");
        EXPECT_FALSE(seconds.isEnabled());
        Child<QCheckBox>(dialog, "RecoveryEnabled").click();
        seconds.setValue(5000);
        Press(dialog, "OkButton");
    });
    ASSERT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_TRUE(form.Settings().Enabled);
    EXPECT_EQ(form.Settings().Seconds, TRecoverySettings::MaxSeconds);
}

// Not a test of its own: the editor that the kill test starts and kills.
TEST_F(Recovery, VictimOfTheKillTest) {
    const QString folder = qEnvironmentVariable("KELVRO_RECOVERY_VICTIM");
    if (folder.isEmpty())
        GTEST_SKIP() << "runs only inside the kill test";
    OpenWindow(Dialogs, folder);
    Window->Recovery().SetDelayForTests(kDelayMs);
    Dialogs.Files = {QDir(folder).filePath(QStringLiteral("film.kvp"))};
    Action("SaveAsAction1")->trigger();
    DrawLine({10, 10}, {60, 60});
    WaitForCopy();
    QTest::qWait(60000);
}

TEST_F(Recovery, WorkSurvivesAKilledEditor) {
    QProcess victim;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KELVRO_RECOVERY_VICTIM"), Data.path() + QLatin1Char('/'));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    victim.setProcessEnvironment(environment);
    victim.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=Recovery.VictimOfTheKillTest")});
    // The description is written after the copy; only with both is the copy complete.
    const QRegularExpression victimCopy(
        QStringLiteral("^film-%1-\\d+\\.json$").arg(victim.processId()));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !FilesIn(Folder()).filter(victimCopy).isEmpty(); }, 20000));
    victim.kill();
    ASSERT_TRUE(victim.waitForFinished(5000));

    Dialogs.Choices = {0};
    const QStringList left = QDir(Folder()).entryList(QDir::Files);
    Open(Dialogs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Dialogs.Asked.isEmpty(); }, 5000))
        << "left: " << left.join(QLatin1Char(' ')).toStdString()
        << "; errors: " << Dialogs.Errors.join(QLatin1Char(' ')).toStdString();
    ASSERT_EQ(Dialogs.Asked.size(), 1);
    EXPECT_EQ(Window->FileName(), Project("film.kvp"));
    EXPECT_TRUE(Window->IsModified());
    EXPECT_EQ(Objects().size(), 1U);
    // The restored work has this window's copy, the dead editor's is gone.
    EXPECT_EQ(FilesIn(Folder()).size(), 2);
    EXPECT_TRUE(FilesIn(Folder()).filter(victimCopy).isEmpty());
}
