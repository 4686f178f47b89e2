#include "CanvasFixture.h"

#include "ui/TimelineGrid.h"

#include <QToolButton>

namespace {
class Timeline : public CanvasFixture {
protected:
    void SetUp() override {
        CanvasFixture::SetUp();
        Grid = Window->findChild<TTimelineGrid*>(QStringLiteral("DrawGrid1"));
    }

    QPoint CellCentre(int column, int row) const { return Grid->CellRect(column, row).center(); }
    void ChooseFrame(int index) {
        Combo("FrameCombo")->setCurrentIndex(index);
        emit Combo("FrameCombo")->activated(index);
    }
    void ClickHeader(int column) {
        QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, CellCentre(column, 0));
    }
    QToolButton* Button(const char* name) const {
        return Window->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    int Current() const { return Window->Project().CurrentFrame; }
    // The copy of the first master object in a frame, or none.
    TTypesObject* CopyIn(int frame) {
        const TObjectList& objects = Window->Project().Frames[frame]->Objects;
        const int index = IndexOfID(Window->Project().Master().Objects[0]->ID, objects);
        return index < 0 ? nullptr : objects[index].get();
    }
    // A line in the master frame, taken over, and selected in frame 7 with a moved copy there.
    void KeyedLineInFrame7() {
        DrawLine({10, 10}, {60, 60});
        ClickHeader(7);
        ASSERT_EQ(Current(), 6);
        QTest::keyClick(View, Qt::Key_Right);
        Button("TakeSpeed")->click();
    }

    TTimelineGrid* Grid = nullptr;
};
} // namespace

TEST_F(Timeline, CancelKeepsTheFrameAndThePendingChanges) {
    DrawLine({10, 10}, {60, 60});
    Dialogs.Choices = {2};
    ChooseFrame(3);
    EXPECT_EQ(Dialogs.Asked.size(), 1);
    EXPECT_EQ(Current(), 0);
    EXPECT_EQ(Combo("FrameCombo")->currentIndex(), 0);
    EXPECT_EQ(Window->Project().CurrentUndo().size(), 1u);
}

TEST_F(Timeline, DiscardUndoesThePendingChangesBeforeSwitching) {
    DrawLine({10, 10}, {60, 60});
    DrawLine({100, 10}, {160, 60});
    Dialogs.Choices = {1};
    ChooseFrame(3);
    EXPECT_EQ(Current(), 3);
    EXPECT_TRUE(Window->Project().Master().Objects.empty());
    EXPECT_TRUE(Window->Project().CurrentUndo().empty());
    EXPECT_FALSE(Window->IsModified());
}

TEST_F(Timeline, TakingOverKeepsTheChangesAndMarksTheProject) {
    DrawLine({10, 10}, {60, 60});
    Dialogs.Choices = {0};
    ChooseFrame(3);
    EXPECT_EQ(Current(), 3);
    EXPECT_EQ(Window->Project().Master().Objects.size(), 1u);
    EXPECT_EQ(Objects().size(), 1u);
    EXPECT_TRUE(Window->IsChanged());
    EXPECT_TRUE(Objects()[0]->IsSelected());
    EXPECT_FALSE(Window->findChild<QToolButton*>(QStringLiteral("ModeSpeed2"))->isVisible());
    EXPECT_TRUE(Action("SelectionAction1")->isChecked());
}

TEST_F(Timeline, AHeaderClickNeverAsks) {
    DrawLine({10, 10}, {60, 60});
    ClickHeader(5);
    EXPECT_TRUE(Dialogs.Asked.isEmpty());
    EXPECT_EQ(Current(), 4);
    EXPECT_EQ(Combo("FrameCombo")->currentIndex(), 4);
    EXPECT_TRUE(Window->IsChanged());
}

TEST_F(Timeline, ColumnThinningShowsEveryFifthFrame) {
    emit Combo("StepCombo")->activated(4);
    std::vector<int> shown;
    for (int column = 1; column <= 50; ++column)
        if (Grid->ColWidth(column) == 20)
            shown.push_back(column);
        else
            EXPECT_EQ(Grid->ColWidth(column), 0);
    EXPECT_EQ(shown, std::vector<int>({1, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50}));
    EXPECT_EQ(Grid->ColWidth(0), 80);
}

TEST_F(Timeline, PlaybackRunsTheRangeOnceOrEndlessly) {
    TProject& project = Window->Project();
    project.FramesPerSec = 1000;
    project.PlayStart = 9;
    project.PlayEnd = 19;
    ClickHeader(20);
    QToolButton* play = Button("PlaySpeed");
    play->click();
    EXPECT_EQ(Current(), 9);
    EXPECT_FALSE(Window->findChild<TBufferedScrollTable*>()->isEnabled());
    EXPECT_TRUE(Button("StopSpeed")->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !play->isChecked(); }, 5000));
    EXPECT_EQ(Current(), 19);
    EXPECT_TRUE(play->isEnabled());

    Button("EndlessSpeed")->click();
    play->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Current() == 19; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Current() == 9; }, 5000));
    EXPECT_TRUE(play->isChecked());
    Button("StopSpeed")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Button("StopSpeed")->isEnabled() == false; }, 5000));
}

TEST_F(Timeline, DoubleClickTogglesTheRowsKeyframeOnlyOutsideTheMaster) {
    DrawLine({10, 10}, {60, 60});
    ClickHeader(7);
    QTest::mouseDClick(Grid->viewport(), Qt::LeftButton, {}, CellCentre(7, 2));
    ASSERT_NE(CopyIn(6), nullptr);
    EXPECT_TRUE(CopyIn(6)->KeyFrameTurn);
    EXPECT_FALSE(CopyIn(6)->KeyFrameMove);
    EXPECT_TRUE(Objects()[0]->IsSelected());

    ClickHeader(1);
    QTest::mouseDClick(Grid->viewport(), Qt::LeftButton, {}, CellCentre(1, 2));
    EXPECT_TRUE(Window->Project().Master().Objects[0]->KeyFrameTurn);
}

TEST_F(Timeline, DraggingAPositionKeyMovesItAndShiftCopiesIt) {
    KeyedLineInFrame7();
    ASSERT_TRUE(CopyIn(6) && CopyIn(6)->KeyFrameMove);
    QTest::mousePress(Grid->viewport(), Qt::LeftButton, {}, CellCentre(7, 1));
    QTest::mouseRelease(Grid->viewport(), Qt::LeftButton, {}, CellCentre(30, 1));
    EXPECT_EQ(Current(), 29);
    EXPECT_EQ(CopyIn(6), nullptr);
    ASSERT_NE(CopyIn(29), nullptr);
    EXPECT_TRUE(CopyIn(29)->KeyFrameMove);

    QTest::mousePress(Grid->viewport(), Qt::LeftButton, {}, CellCentre(30, 1));
    QTest::mouseRelease(Grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCentre(40, 1));
    EXPECT_EQ(Current(), 39);
    EXPECT_TRUE(CopyIn(29) && CopyIn(29)->KeyFrameMove);
    EXPECT_TRUE(CopyIn(39) && CopyIn(39)->KeyFrameMove);
}

TEST_F(Timeline, ADropOnTheCurrentColumnIsRefused) {
    KeyedLineInFrame7();
    QTest::mousePress(Grid->viewport(), Qt::LeftButton, {}, CellCentre(12, 1));
    QTest::mouseRelease(Grid->viewport(), Qt::LeftButton, {}, CellCentre(7, 1));
    EXPECT_EQ(Current(), 6);
    EXPECT_TRUE(CopyIn(6) && CopyIn(6)->KeyFrameMove);
}

TEST_F(Timeline, KeyframeSquaresAreGreyWhilePendingAndGreenAfterwards) {
    DrawLine({10, 10}, {60, 60});
    ClickHeader(7);
    QTest::keyClick(View, Qt::Key_Right);
    const auto squareColour = [&] {
        return Grid->viewport()->grab().toImage().pixelColor(CellCentre(7, 1));
    };
    EXPECT_EQ(squareColour(), QColor(165, 165, 165));
    Button("TakeSpeed")->click();
    EXPECT_EQ(squareColour(), QColor(0, 176, 0));
}
