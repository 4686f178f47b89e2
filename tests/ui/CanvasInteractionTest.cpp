#include "CanvasFixture.h"

#include "core/objects/TypesPolygon.h"

namespace {
using CanvasInteraction = CanvasFixture;
}

TEST_F(CanvasInteraction, DrawingAndExtendingAPolyline) {
    Tool("PolylineAction1");
    Drag({10, 10}, {50, 20});
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(Objects()[0]->TypeName(), QStringLiteral("Polyline"));
    ASSERT_EQ(PointsOf(0).Points().size(), 2u);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 10, 10));
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[1], 50, 20));
    EXPECT_TRUE(Objects()[0]->IsSelected());

    Drag({120, 80}, {130, 90});
    ASSERT_EQ(Objects().size(), 1u);
    ASSERT_EQ(PointsOf(0).Points().size(), 3u);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[2], 130, 90));

    const TUndoList& undo = Window->Project().CurrentUndo();
    ASSERT_EQ(undo.size(), 2u);
    EXPECT_EQ(undo[0]->UndoType, utAdded);
    EXPECT_EQ(undo[1]->UndoType, utChanged);
    const auto& before = dynamic_cast<const TPointListObject&>(*undo[1]->UndoObjectEx);
    EXPECT_EQ(before.Points().size(), 2u);
    EXPECT_TRUE(Action("SaveAction1")->isEnabled());
}

TEST_F(CanvasInteraction, AnotherToolStartsANewObject) {
    Tool("PolylineAction1");
    Drag({10, 10}, {50, 20});
    Tool("PolygonAction1");
    Drag({200, 200}, {250, 210});
    ASSERT_EQ(Objects().size(), 2u);
    EXPECT_FALSE(Objects()[0]->IsSelected());
    EXPECT_EQ(Objects()[1]->TypeName(), QStringLiteral("Polygon"));
    EXPECT_TRUE(Objects()[1]->IsSelected());
    EXPECT_EQ(PointsOf(0).Points().size(), 2u);
}

TEST_F(CanvasInteraction, ToolsWithoutTheirObjectsCreateNothing) {
    for (const char* tool : {"BitmapAction1", "TextAction1", "FormAction1"}) {
        Tool(tool);
        Click({100, 100});
    }
    EXPECT_TRUE(Objects().empty());
    EXPECT_TRUE(Window->Project().CurrentUndo().empty());
}

TEST_F(CanvasInteraction, ClickingOverlappingObjectsSelectsTheUpperOne) {
    DrawLine({10, 10}, {100, 100});
    DrawLine({100, 100}, {150, 10});
    Tool("SelectionAction1");
    Click({100, 100});
    EXPECT_FALSE(Objects()[0]->IsSelected());
    EXPECT_TRUE(Objects()[1]->IsSelected());
    EXPECT_EQ(Combo("ObjectCombo")->currentIndex(), 1);
    EXPECT_TRUE(Action("DataAction1")->isEnabled());
    EXPECT_FALSE(Action("ToFrontAction1")->isEnabled());
    EXPECT_TRUE(Action("ToBackAction1")->isEnabled());
}

TEST_F(CanvasInteraction, ClickingEmptyCanvasDeselects) {
    DrawLine({10, 10}, {100, 100});
    Tool("SelectionAction1");
    Click({100, 100});
    Click({300, 250});
    EXPECT_FALSE(Objects()[0]->IsSelected());
    EXPECT_EQ(Combo("ObjectCombo")->currentIndex(), -1);
}

TEST_F(CanvasInteraction, ShiftClicksToggleTheMultiSelection) {
    DrawLine({10, 10}, {60, 60});
    DrawLine({200, 10}, {260, 60});
    Tool("SelectionAction1");
    Click({30, 30}, Qt::ShiftModifier);
    Click({230, 30}, Qt::ShiftModifier);
    EXPECT_TRUE(Action("DeleteAction1")->isEnabled());
    Click({30, 30}, Qt::ShiftModifier);
    EXPECT_TRUE(Action("DeleteAction1")->isEnabled());
    Click({230, 30}, Qt::ShiftModifier);
    EXPECT_FALSE(Action("DeleteAction1")->isEnabled());
}

TEST_F(CanvasInteraction, RubberBandsInEitherDirectionSelectTheSameObjects) {
    DrawLine({10, 10}, {60, 60});
    DrawLine({50, 50}, {390, 60});
    DrawLine({300, 10}, {350, 40});
    Tool("SelectionAction1");
    Drag({0, 0}, {55, 70});
    Action("DeleteAction1")->trigger();
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 300, 10));

    Action("UndoAction1")->trigger();
    ASSERT_EQ(Objects().size(), 3u);
    Drag({55, 70}, {0, 0});
    Action("DeleteAction1")->trigger();
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 300, 10));
}

TEST_F(CanvasInteraction, ALevelLineInsideTheBandIsSelected) {
    DrawLine({100, 100}, {150, 100});
    Tool("SelectionAction1");
    Drag({90, 90}, {160, 110});
    EXPECT_TRUE(Action("DeleteAction1")->isEnabled());
}

TEST_F(CanvasInteraction, DeletingAMultiSelectionRemovesExactlyThoseAndUndoRestoresThem) {
    for (int i = 0; i < 5; ++i)
        DrawLine({10 + 70 * i, 10}, {50 + 70 * i, 50});
    Tool("SelectionAction1");
    Click({30 + 70, 30}, Qt::ShiftModifier);
    Click({30 + 210, 30}, Qt::ShiftModifier);
    Action("DeleteAction1")->trigger();
    ASSERT_EQ(Objects().size(), 3u);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 10, 10));
    EXPECT_TRUE(PointIs(PointsOf(1).Points()[0], 150, 10));
    EXPECT_TRUE(PointIs(PointsOf(2).Points()[0], 290, 10));
    Action("UndoAction1")->trigger();
    ASSERT_EQ(Objects().size(), 5u);
    EXPECT_TRUE(PointIs(PointsOf(1).Points()[0], 80, 10));
    EXPECT_TRUE(PointIs(PointsOf(3).Points()[0], 220, 10));
    Action("RedoAction1")->trigger();
    EXPECT_EQ(Objects().size(), 3u);
}

TEST_F(CanvasInteraction, DraggingTheMultiSelectionFrameMovesItAsOneGroup) {
    DrawLine({10, 10}, {60, 60});
    DrawLine({100, 10}, {160, 60});
    Tool("SelectionAction1");
    Drag({0, 0}, {200, 100});
    Drag({30, 30}, {50, 40});
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 30, 20));
    EXPECT_TRUE(PointIs(PointsOf(1).Points()[1], 180, 70));
    Action("UndoAction1")->trigger();
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 10, 10));
    EXPECT_TRUE(PointIs(PointsOf(1).Points()[1], 160, 60));
    EXPECT_TRUE(Window->Project().CurrentUndo().size() == 2u);
}

TEST_F(CanvasInteraction, DraggingAVertexReshapesAndCanBeUndone) {
    DrawLine({10, 10}, {60, 60});
    Tool("SelectionAction1");
    Click({200, 200});
    Drag({60, 60}, {90, 70});
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[1], 90, 70));
    Action("UndoAction1")->trigger();
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[1], 60, 60));
    EXPECT_FALSE(Objects()[0]->IsSelected());
}

TEST_F(CanvasInteraction, ArrowKeysMoveOneProjectPixelAtEveryZoom) {
    DrawLine({10, 10}, {60, 60});
    emit Combo("ZoomCombo")->activated(5);
    EXPECT_EQ(Window->Project().Zoom, 2.0L);
    EXPECT_EQ(Objects()[0]->Zoom(), 2.0L);
    QTest::keyClick(View, Qt::Key_Right);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 11, 10));
    QTest::keyClick(View, Qt::Key_Up);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 11, 9));
    EXPECT_EQ(Window->Project().CurrentUndo().back()->UndoType, utChanged);
}

TEST_F(CanvasInteraction, ArrowKeysMoveTheMultiSelectionAndItsFrame) {
    DrawLine({10, 10}, {60, 60});
    DrawLine({100, 10}, {160, 60});
    Tool("SelectionAction1");
    Drag({0, 0}, {200, 100});
    QTest::keyClick(View, Qt::Key_Down);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 10, 11));
    EXPECT_TRUE(PointIs(PointsOf(1).Points()[0], 100, 11));
    // The frame followed: a press on the row below its old bottom edge grabs it.
    Drag({30, 60}, {30, 70});
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 10, 21));
}

TEST_F(CanvasInteraction, EscapeDropsTheSelectionOfACreationTool) {
    DrawLine({10, 10}, {60, 60});
    QTest::keyClick(View, Qt::Key_Escape);
    EXPECT_FALSE(Objects()[0]->IsSelected());
    Drag({100, 100}, {120, 120});
    EXPECT_EQ(Objects().size(), 2u);
}

TEST_F(CanvasInteraction, FittingZoomUsesTheCurrentClientArea) {
    Window->Project().ProjectWidth = 800;
    Window->Project().ProjectHeight = 600;
    Window->ResetProject();
    const auto fitWithClient = [this](QSize wanted) {
        Window->resize(Window->size() + (wanted - View->size()));
        QApplication::processEvents();
        // A scroll bar may come or go with the new size; the client area is what counts.
        EXPECT_EQ(View->height(), wanted.height());
        EXPECT_GE(View->width(), 900);
        emit Combo("ZoomCombo")->activated(0);
        return Window->Project().Zoom;
    };
    EXPECT_EQ(fitWithClient({1100, 700}), 1.0L);
    EXPECT_EQ(Canvas->WidthPixel(), 900);
    EXPECT_EQ(fitWithClient({1100, 400}), 0.5L);
    EXPECT_EQ(Canvas->HeightPixel(), 400);
}

TEST_F(CanvasInteraction, ZoomReachesObjectsOfEveryFrame) {
    Window->Project().Frames[3]->Objects.push_back(std::make_unique<TTypesPolygon>(1.0L));
    emit Combo("ZoomCombo")->activated(1);
    EXPECT_EQ(Window->Project().Frames[3]->Objects[0]->Zoom(), 0.25L);
    EXPECT_EQ(Canvas->WidthPixel(), 200);
}

TEST_F(CanvasInteraction, TheObjectBoxNumbersPerTypeAndSelects) {
    DrawLine({10, 10}, {60, 60});
    Tool("PolygonAction1");
    Drag({100, 100}, {150, 150});
    DrawLine({200, 10}, {260, 60});
    Objects()[2]->ObjName = QStringLiteral("Sonne");
    Tool("SelectionAction1");
    QComboBox* box = Combo("ObjectCombo");
    ASSERT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(0), QStringLiteral("Polyline1"));
    EXPECT_EQ(box->itemText(1), QStringLiteral("Polygon1"));
    EXPECT_EQ(box->itemText(2), QStringLiteral("Polyline2 - Sonne"));
    emit box->activated(1);
    EXPECT_TRUE(Objects()[1]->IsSelected());
    EXPECT_EQ(box->currentIndex(), 1);
    emit box->activated(7);
    EXPECT_TRUE(Objects()[1]->IsSelected());
}

TEST_F(CanvasInteraction, DeletingTheSelectedObjectIsUndoable) {
    DrawLine({10, 10}, {60, 60});
    Action("DeleteAction1")->trigger();
    EXPECT_TRUE(Objects().empty());
    EXPECT_FALSE(Action("DeleteAction1")->isEnabled());
    Action("UndoAction1")->trigger();
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_FALSE(Objects()[0]->IsSelected());
    EXPECT_TRUE(Action("RedoAction1")->isEnabled());
}
