#include "CanvasFixture.h"

#include "core/model/ObjectNames.h"
#include "core/objects/TypesForm.h"
#include "core/objects/TypesPolygon.h"
#include "core/objects/TypesPolyline.h"
#include "core/objects/TypesText.h"
#include "ui/GroupForm.h"

#include <QToolButton>

namespace {

class ObjectCommands : public CanvasFixture {
protected:
    void Select(int index) { emit Combo("ObjectCombo")->activated(index); }
    void GoToFrame(int index) {
        // Leaving a frame with pending changes takes them over.
        Dialogs.Choices = {0};
        Combo("FrameCombo")->setCurrentIndex(index);
        emit Combo("FrameCombo")->activated(index);
    }
    QToolButton* Button(const char* name) const {
        return Window->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    const TUndoList& Undo() { return Window->Project().CurrentUndo(); }
    // A star shape placed at at, selected.
    void PlaceShape(QPoint at) {
        Dialogs.ShapeChoices = {9};
        Tool("FormAction1");
        Click(at);
        Tool("SelectionAction1");
        Select(static_cast<int>(Objects().size()) - 1);
    }
    TPlacement PlacementOf(std::size_t index) { return *Objects().at(index)->AspectPlacement(); }
    QStringList IdsInOrder() {
        QStringList ids;
        for (const auto& object : Objects())
            ids << object->ID;
        return ids;
    }
    void AddObject(std::unique_ptr<TTypesObject> object) {
        object->SetTable(Canvas);
        Objects().push_back(std::move(object));
    }
};

std::unique_ptr<TTypesPolygon> ClosedTriangle() {
    auto polygon = std::make_unique<TTypesPolygon>(1);
    polygon->SetPoints({{10, 10}, {90, 10}, {50, 80}});
    bool flag = false;
    polygon->CreateMouseDown(TMouseButton::mbLeft, 0, 50, 40, flag);
    polygon->CreateMouseUp(TMouseButton::mbLeft, 0, 10, 10);
    EXPECT_TRUE(polygon->Closed());
    return polygon;
}

} // namespace

TEST_F(ObjectCommands, OrderCommandsSwapNeighboursAndUndoPutsThemBack) {
    for (int i = 0; i < 5; ++i)
        DrawLine({10 + 20 * i, 10}, {30 + 20 * i, 60});
    Tool("SelectionAction1");
    const QStringList original = IdsInOrder();
    const std::size_t before = Undo().size();

    Select(2);
    Action("ToFrontAction1")->trigger();
    EXPECT_EQ(IdsInOrder(),
              QStringList({original[0], original[1], original[3], original[2], original[4]}));
    ASSERT_EQ(Undo().size(), before + 1);
    EXPECT_EQ(Undo().back()->UndoType, utReordered);
    EXPECT_EQ(Undo().back()->UndoIndex, 2);
    EXPECT_EQ(Undo().back()->UndoIndexEx, 3);
    Action("UndoAction1")->trigger();
    EXPECT_EQ(IdsInOrder(), original);

    Select(2);
    Action("ToBackAction1")->trigger();
    EXPECT_EQ(IdsInOrder(),
              QStringList({original[0], original[2], original[1], original[3], original[4]}));
    EXPECT_EQ(Undo().back()->UndoIndex, 2);
    EXPECT_EQ(Undo().back()->UndoIndexEx, 1);
    EXPECT_EQ(Objects()[1]->ID, original[2]);
    EXPECT_TRUE(Action("ToBackAction1")->isEnabled());
}

TEST_F(ObjectCommands, TypedAngleNeedsOkAndIsOneUndoStep) {
    PlaceShape({120, 80});
    const std::size_t before = Undo().size();
    Action("AngleAction1")->trigger();
    ASSERT_EQ(Dialogs.ValueAsked.size(), 1u);
    EXPECT_EQ(Dialogs.ValueAsked[0].mid(0, 2),
              QStringList({QStringLiteral("Eingabe"), QStringLiteral("Winkel:")}));
    EXPECT_EQ(Dialogs.ValueAsked[0][3], QStringLiteral("0"));
    EXPECT_EQ(PlacementOf(0).Angle, 0);
    EXPECT_EQ(Undo().size(), before);

    Dialogs.ValueAnswers = {{QStringLiteral("22,5°")}};
    Action("AngleAction1")->trigger();
    EXPECT_EQ(PlacementOf(0).Angle, 22.5L);
    ASSERT_EQ(Undo().size(), before + 1);
    EXPECT_EQ(Undo().back()->UndoType, utChanged);
    EXPECT_EQ(Undo().back()->UndoIndex, 0);
    EXPECT_EQ(Undo().back()->UndoIndexEx, -1);
    Dialogs.ValueAnswers = {{QStringLiteral("x")}};
    Action("AngleAction1")->trigger();
    EXPECT_EQ(Dialogs.ValueAsked.back()[3], QStringLiteral("22,5"));
    EXPECT_EQ(PlacementOf(0).Angle, 0);
    Action("UndoAction1")->trigger();
    EXPECT_EQ(PlacementOf(0).Angle, 22.5L);
}

TEST_F(ObjectCommands, TypedStretchInALaterFrameSetsOnlyItsKeyframe) {
    PlaceShape({120, 80});
    GoToFrame(4);
    Select(0);
    TTypesObject& shape = *Objects().at(0);
    ASSERT_FALSE(shape.AnyKeyFrame());
    const TRect box = shape.GetRect();

    Dialogs.ValueAnswers = {{QStringLiteral("0,5"), QStringLiteral("2")}};
    Action("StretchAction1")->trigger();
    ASSERT_EQ(Dialogs.ValueAsked.size(), 1u);
    EXPECT_EQ(Dialogs.ValueAsked[0].mid(1),
              QStringList({QStringLiteral("Streckung X:"), QStringLiteral("Streckung Y:"),
                           QStringLiteral("1"), QStringLiteral("1")}));
    EXPECT_EQ(PlacementOf(0).XPercent, 0.5L);
    EXPECT_EQ(PlacementOf(0).YPercent, 2);
    const TRect stretched = shape.GetRect();
    EXPECT_NEAR(stretched.Right - stretched.Left, (box.Right - box.Left) / 2, 2);
    EXPECT_NEAR(stretched.Bottom - stretched.Top, (box.Bottom - box.Top) * 2, 2);
    EXPECT_TRUE(shape.KeyFrameStretch);
    EXPECT_FALSE(shape.KeyFrameTurn || shape.KeyFrameMove);
    EXPECT_EQ(Undo().size(), 1u);
}

TEST_F(ObjectCommands, DataOnAPlacedObjectMovesItsCentre) {
    PlaceShape({120, 80});
    GoToFrame(2);
    Select(0);
    Dialogs.ValueAnswers = {{QStringLiteral("200"), QStringLiteral("150,5")}};
    Action("DataAction1")->trigger();
    EXPECT_EQ(Dialogs.ValueAsked[0].mid(1),
              QStringList({QStringLiteral("Mittelpunkt X:"), QStringLiteral("Mittelpunkt Y:"),
                           QStringLiteral("120"), QStringLiteral("80")}));
    EXPECT_TRUE(PointIs(PlacementOf(0).Centre, 200, 150.5L));
    EXPECT_TRUE(Objects()[0]->KeyFrameMove);
    EXPECT_FALSE(Objects()[0]->KeyFrameStretch);
    EXPECT_EQ(Undo().size(), 1u);
}

TEST_F(ObjectCommands, DataOnAClosedPolygonHidesAndRestoresTheRepeatedPoint) {
    AddObject(ClosedTriangle());
    Select(0);
    Dialogs.PointAnswers = {{{QStringLiteral("5"), QStringLiteral("6")},
                             {QStringLiteral("90"), QStringLiteral("10")},
                             {QStringLiteral("50,5"), QStringLiteral("80")}}};
    Action("DataAction1")->trigger();
    ASSERT_EQ(Dialogs.PointAsked.size(), 1u);
    ASSERT_EQ(Dialogs.PointAsked[0].size(), 3u);
    EXPECT_EQ(Dialogs.PointAsked[0][2].X, QStringLiteral("50"));
    const TPolyPointsEx& points = PointsOf(0).Points();
    ASSERT_EQ(points.size(), 4u);
    EXPECT_TRUE(PointIs(points[0], 5, 6));
    EXPECT_TRUE(PointIs(points[2], 50.5L, 80));
    EXPECT_TRUE(PointIs(points[3], 5, 6));
    EXPECT_TRUE(Objects()[0]->KeyFrameMove);
    ASSERT_EQ(Undo().size(), 1u);
    Action("UndoAction1")->trigger();
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 10, 10));
}

TEST_F(ObjectCommands, CancelledPointGridChangesNothing) {
    auto line = std::make_unique<TTypesPolyline>(1);
    line->SetPoints({{10, 10}, {40, 20}, {70, 10}});
    AddObject(std::move(line));
    Select(0);
    Action("DataAction1")->trigger();
    ASSERT_EQ(Dialogs.PointAsked.size(), 1u);
    EXPECT_EQ(Dialogs.PointAsked[0].size(), 3u);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[2], 70, 10));
    EXPECT_TRUE(Undo().empty());
    EXPECT_FALSE(Objects()[0]->KeyFrameMove);
}

TEST_F(ObjectCommands, NameGoesToEveryCopyWithTheSameId) {
    DrawLine({10, 10}, {60, 60});
    DrawLine({100, 10}, {160, 60});
    Tool("SelectionAction1");
    TProject& project = Window->Project();
    for (int frame : {3, 10})
        for (int i = 0; i < 2; ++i)
            if (frame == 3 || i == 0)
                project.Frames[frame]->Objects.push_back(
                    CloneObject(Objects()[i].get(), project.Zoom));
    const std::size_t before = Undo().size();

    Select(0);
    Button("NameSpeed")->click();
    EXPECT_TRUE(Objects()[0]->ObjName.isEmpty());
    Dialogs.TextAnswers = {QStringLiteral(" Baum ")};
    Button("NameSpeed")->click();
    ASSERT_EQ(Dialogs.TextAsked.size(), 2u);
    EXPECT_EQ(Dialogs.TextAsked[0], QStringLiteral("Eingabe: Objektname: "));
    EXPECT_EQ(Objects()[0]->ObjName, QStringLiteral(" Baum "));
    EXPECT_EQ(project.Frames[3]->Objects[0]->ObjName, QStringLiteral(" Baum "));
    EXPECT_EQ(project.Frames[10]->Objects[0]->ObjName, QStringLiteral(" Baum "));
    EXPECT_TRUE(project.Frames[3]->Objects[1]->ObjName.isEmpty());
    EXPECT_TRUE(Objects()[1]->ObjName.isEmpty());
    EXPECT_TRUE(Window->IsChanged());
    EXPECT_EQ(Undo().size(), before);
    EXPECT_EQ(Combo("ObjectCombo")->itemText(0), QStringLiteral("Polyline1 -  Baum "));
}

TEST(GroupList, NumbersEachKindAndAppendsNames) {
    TObjectList objects;
    objects.push_back(std::make_unique<TTypesPolygon>(1));
    objects.push_back(std::make_unique<TTypesPolygon>(1));
    objects.push_back(std::make_unique<TTypesText>(1));
    objects.push_back(std::make_unique<TTypesPolygon>(1));
    objects[1]->ObjName = QStringLiteral("Dach");
    objects[2]->ObjName = QStringLiteral("Titel");
    EXPECT_EQ(ObjectListNames(objects),
              QStringList({QStringLiteral("Polygon1"), QStringLiteral("Polygon2 - Dach"),
                           QStringLiteral("Text1 - Titel"), QStringLiteral("Polygon3")}));
}

TEST_F(ObjectCommands, GroupChoiceBecomesTheMultiSelection) {
    for (int i = 0; i < 3; ++i)
        DrawLine({10 + 50 * i, 10}, {40 + 50 * i, 60});
    Tool("SelectionAction1");
    ASSERT_TRUE(Button("GroupSpeed")->isEnabled());

    Dialogs.GroupAnswers = {{true, false, true}};
    Button("GroupSpeed")->click();
    ASSERT_EQ(Dialogs.GroupAsked.size(), 1u);
    EXPECT_EQ(Dialogs.GroupAsked[0].size(), 3);
    EXPECT_EQ(Dialogs.GroupPresets[0], std::vector<bool>({false, false, false}));
    EXPECT_TRUE(Action("DeleteAction1")->isEnabled());

    // A second dialog shows the group; cancelling keeps it.
    Button("GroupSpeed")->click();
    EXPECT_EQ(Dialogs.GroupPresets[1], std::vector<bool>({true, false, true}));
    EXPECT_TRUE(Action("DeleteAction1")->isEnabled());
    Action("DeleteAction1")->trigger();
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 60, 10));

    Dialogs.GroupAnswers = {{false}};
    Button("GroupSpeed")->click();
    EXPECT_FALSE(Action("DeleteAction1")->isEnabled());
}
