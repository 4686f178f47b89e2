#include "CanvasFixture.h"

#include <QLabel>

namespace {
class ProjectSettingsCommands : public CanvasFixture {
protected:
    TProjectSettings Changed(int width, int frames) {
        TProjectSettings settings = TProjectSettings::Of(Window->Project());
        settings.ProjectWidth = width;
        settings.FrameCount = frames;
        settings.FramesPerSec = 25;
        return settings;
    }
    QString Modified() {
        return Window->findChild<QLabel*>(QStringLiteral("StatusField1"))->text();
    }
};
} // namespace

TEST_F(ProjectSettingsCommands, NewAsksBeforeTheDialogAndStartsWithItsSettings) {
    DrawLine({10, 10}, {60, 60});
    Dialogs.Answers = {QMessageBox::Cancel};
    Action("NewAction1")->trigger();
    EXPECT_TRUE(Dialogs.SettingsCaptions.isEmpty());

    Dialogs.Answers = {QMessageBox::No};
    Dialogs.SettingsAnswers = {std::nullopt};
    Action("NewAction1")->trigger();
    EXPECT_EQ(Dialogs.SettingsCaptions, QStringList{QStringLiteral("Neu")});
    EXPECT_EQ(Objects().size(), 1u) << "Abbruch keeps the project";

    Dialogs.Answers = {QMessageBox::No};
    Dialogs.SettingsAnswers = {Changed(640, 30)};
    Action("NewAction1")->trigger();
    const TProject& project = Window->Project();
    EXPECT_TRUE(Objects().empty());
    EXPECT_EQ(project.ProjectWidth, 640);
    EXPECT_EQ(project.Frames.size(), 30u);
    EXPECT_EQ(project.PlayEnd, 29);
    EXPECT_EQ(project.FramesPerSec, 25);
    EXPECT_FALSE(Window->IsModified());
}

TEST_F(ProjectSettingsCommands, SettingsResizeTheSequenceInPlaceAndMarkTheProject) {
    DrawLine({10, 10}, {60, 60});
    Action("SelectionAction1")->trigger();
    Combo("ZoomCombo")->setCurrentIndex(5);
    Combo("ZoomCombo")->activated(5);
    const TPolyPointsEx before = PointsOf(0).Points();

    Dialogs.SettingsAnswers = {std::nullopt};
    Action("SettingsAction1")->trigger();
    EXPECT_EQ(Dialogs.SettingsCaptions, QStringList{QStringLiteral("Einstellungen")});
    EXPECT_EQ(Combo("ZoomCombo")->currentText(), QStringLiteral("200%")) << "Abbruch keeps all";

    // On a built in-between frame, which goes back to its keyframes first.
    Dialogs.Choices = {0};
    Combo("FrameCombo")->setCurrentIndex(4);
    Combo("FrameCombo")->activated(4);
    ASSERT_EQ(Window->Project().Frames[4]->Objects.size(), 1u);
    Dialogs.SettingsAnswers = {Changed(1000, 30)};
    Action("SettingsAction1")->trigger();

    const TProject& project = Window->Project();
    EXPECT_EQ(project.Frames.size(), 30u);
    EXPECT_EQ(project.CurrentFrame, 0);
    EXPECT_TRUE(project.Frames[4]->Objects.empty());
    EXPECT_EQ(project.ProjectWidth, 1000);
    EXPECT_EQ(Combo("ZoomCombo")->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(Combo("FrameCombo")->count(), 30);
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(PointsOf(0).Points()[1].X, before[1].X);
    EXPECT_EQ(Canvas->WidthPixel(), 1000 + 2 * TProject::Margin);
    EXPECT_TRUE(Window->IsChanged());
    EXPECT_EQ(Modified(), QStringLiteral("Geändert"));

    // A pending change in a frame the shrinking frees leaves nothing to undo into it.
    Dialogs.Choices = {0};
    Combo("FrameCombo")->setCurrentIndex(25);
    Combo("FrameCombo")->activated(25);
    Combo("ObjectCombo")->activated(0);
    QTest::keyClick(View, Qt::Key_Right);
    ASSERT_TRUE(Action("UndoAction1")->isEnabled());
    Dialogs.SettingsAnswers = {Changed(1000, 20)};
    Action("SettingsAction1")->trigger();
    EXPECT_EQ(Window->Project().Frames.size(), 20u);
    EXPECT_EQ(Window->Project().PlayEnd, 19);
    EXPECT_FALSE(Action("UndoAction1")->isEnabled());
    EXPECT_FALSE(Action("RedoAction1")->isEnabled());
    Action("UndoAction1")->trigger();
    EXPECT_EQ(Objects().size(), 1u);
}
