#include "CanvasFixture.h"

#include "ui/TimelineGrid.h"

namespace {
using UndoRedo = CanvasFixture;
}

TEST_F(UndoRedo, ANewStepAfterTwoUndosEmptiesRedo) {
    DrawLine({10, 10}, {60, 60});
    QTest::keyClick(View, Qt::Key_Right);
    QTest::keyClick(View, Qt::Key_Right);
    Action("UndoAction1")->trigger();
    Action("UndoAction1")->trigger();
    EXPECT_TRUE(Action("RedoAction1")->isEnabled());
    EXPECT_EQ(Window->Project().CurrentRedo().size(), 2u);
    Tool("SelectionAction1");
    Click({10, 10});
    QTest::keyClick(View, Qt::Key_Down);
    EXPECT_FALSE(Action("RedoAction1")->isEnabled());
    EXPECT_TRUE(Window->Project().CurrentRedo().empty());
}

TEST_F(UndoRedo, OneUndoRestoresAMovedMultiSelectionOfThree) {
    DrawLine({10, 10}, {60, 60});
    DrawLine({100, 10}, {160, 60});
    DrawLine({200, 10}, {260, 60});
    Tool("SelectionAction1");
    Drag({0, 0}, {300, 100});
    Drag({30, 30}, {40, 50});
    EXPECT_TRUE(PointIs(PointsOf(2).Points()[0], 210, 30));
    Action("UndoAction1")->trigger();
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 10, 10));
    EXPECT_TRUE(PointIs(PointsOf(1).Points()[0], 100, 10));
    EXPECT_TRUE(PointIs(PointsOf(2).Points()[0], 200, 10));
    Action("RedoAction1")->trigger();
    EXPECT_TRUE(PointIs(PointsOf(1).Points()[0], 110, 30));
}

TEST_F(UndoRedo, TwoSeparateMovesNeedTwoUndos) {
    DrawLine({10, 10}, {60, 60});
    Tool("SelectionAction1");
    Click({10, 10});
    Drag({35, 35}, {45, 35});
    Click({20, 10});
    Drag({45, 35}, {45, 45});
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 20, 20));
    Action("UndoAction1")->trigger();
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 20, 10));
    Action("UndoAction1")->trigger();
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 10, 10));
}

TEST_F(UndoRedo, UndoingAMoveOutsideTheMasterClearsItsKeyframe) {
    DrawLine({10, 10}, {60, 60});
    auto* grid = Window->findChild<TTimelineGrid*>(QStringLiteral("DrawGrid1"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(5, 0).center());
    ASSERT_EQ(Window->Project().CurrentFrame, 4);
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_FALSE(Objects()[0]->KeyFrameMove);
    QTest::keyClick(View, Qt::Key_Left);
    EXPECT_TRUE(Objects()[0]->KeyFrameMove);
    Action("UndoAction1")->trigger();
    EXPECT_FALSE(Objects()[0]->KeyFrameMove);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 10, 10));
}
