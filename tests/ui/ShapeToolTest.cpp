#include "CanvasFixture.h"

#include "core/objects/ShapeCatalogue.h"
#include "core/objects/TypesForm.h"
#include "core/objects/TypesPolygon.h"
#include "ui/ShapePickerForm.h"

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

class ShapeTool : public CanvasFixture {
protected:
    TTypesForm& FormAt(std::size_t index) {
        return dynamic_cast<TTypesForm&>(*Objects().at(index));
    }
    void PickAt(QPoint at) {
        Tool("FormAction1");
        Click(at);
    }
};

// The polygon of corners closed by one more press at inner, dragged to the first corner.
std::unique_ptr<TTypesPolygon> ClosedPolygon(const TPolyPointsEx& corners, QPoint inner) {
    auto polygon = std::make_unique<TTypesPolygon>(1);
    polygon->SetPoints(corners);
    bool flag = false;
    polygon->CreateMouseDown(TMouseButton::mbLeft, 0, inner.x(), inner.y(), flag);
    polygon->CreateMouseUp(TMouseButton::mbLeft, 0, static_cast<int>(corners[0].X),
                           static_cast<int>(corners[0].Y));
    EXPECT_TRUE(polygon->Closed());
    return polygon;
}

const TPolyPointsEx kRectangle = {{300, 200}, {380, 200}, {380, 260}, {300, 260}};

// Runs the picker and, once it shows, lets act work on it.
template <typename TAct> bool RunPicker(TInputFormForm& form, int& index, TAct act) {
    QTimer::singleShot(0, &form, [&form, act] { act(*form.findChild<QListWidget*>()); });
    return form.Execute(index);
}

} // namespace

TEST_F(ShapeTool, AClickPlacesThePickedShapeAndUndoTakesItAway) {
    Dialogs.ShapeChoices = {9};
    PickAt({120, 80});
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(FormAt(0).FormType(), FORM_STAR);
    EXPECT_EQ(FormAt(0).FormPoints().size(), 10u);
    EXPECT_TRUE(PointIs(FormAt(0).Centre(), 120, 80));
    EXPECT_EQ(FormAt(0).GetRect(), (TRect{70, 30, 170, 130}));
    // The press ends the creation; the release records nothing more.
    ASSERT_EQ(Dialogs.ShapeOffers.size(), 1u);
    EXPECT_TRUE(Dialogs.ShapeOffers[0].empty());
    const TUndoList& undo = Window->Project().CurrentUndo();
    ASSERT_EQ(undo.size(), 1u);
    EXPECT_EQ(undo[0]->UndoType, utAdded);

    Action("UndoAction1")->trigger();
    EXPECT_TRUE(Objects().empty());
    Action("RedoAction1")->trigger();
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(FormAt(0).FormType(), FORM_STAR);
}

TEST_F(ShapeTool, CancelOrNoSelectionLeavesNothing) {
    Dialogs.ShapeChoices = {-1};
    PickAt({100, 100});
    Click({150, 100});
    EXPECT_EQ(Dialogs.ShapeOffers.size(), 2u);
    EXPECT_TRUE(Objects().empty());
    EXPECT_TRUE(Window->Project().CurrentUndo().empty());
    EXPECT_FALSE(Action("UndoAction1")->isEnabled());
}

TEST_F(ShapeTool, OnlyClosedPolygonsOfTheMasterFrameAreOfferedAndCopied) {
    TProject& project = Window->Project();
    auto open = std::make_unique<TTypesPolygon>(1);
    open->SetPoints({{10, 10}, {50, 10}, {50, 50}});
    project.Master().Objects.push_back(std::move(open));
    project.Master().Objects.push_back(ClosedPolygon(kRectangle, {340, 230}));
    project.Frames[1]->Objects.push_back(ClosedPolygon({{0, 0}, {90, 0}, {90, 90}}, {30, 60}));

    Dialogs.ShapeChoices = {11};
    PickAt({200, 150});
    ASSERT_EQ(Dialogs.ShapeOffers.size(), 1u);
    ASSERT_EQ(Dialogs.ShapeOffers[0].size(), 1u);
    EXPECT_EQ(Dialogs.ShapeOffers[0][0].size(), 5u);
    ASSERT_EQ(Objects().size(), 3u);
    const TTypesForm& copy = FormAt(2);
    EXPECT_EQ(copy.FormType(), FORM_POLYGON);
    EXPECT_EQ(copy.FormRect(), (TRect{0, 0, 80, 60}));
    EXPECT_EQ(copy.FormPoints().front().X, 0);
    EXPECT_EQ(copy.FormPoints()[2].X, 80);
    EXPECT_EQ(copy.FormPoints()[2].Y, 60);
    EXPECT_TRUE(PointIs(copy.Centre(), 200, 150));
}

TEST(ShapePicker, ListsTheCatalogueThenThePolygonsAndAnswersTheSelection) {
    TInputFormForm form({kRectangle});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Formauswahl"));
    EXPECT_EQ(form.size(), QSize(249, 303));
    auto* list = form.findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 12);
    EXPECT_EQ(list->item(10)->text(), QStringLiteral("Stern 4-eckig"));
    EXPECT_EQ(list->item(11)->text(), QStringLiteral("Polygon"));

    int index = 0;
    EXPECT_TRUE(RunPicker(form, index, [](QListWidget& shapes) {
        EXPECT_EQ(shapes.currentRow(), 0);
        EXPECT_EQ(shapes.visualItemRect(shapes.item(0)).height(), 36);
        shapes.setCurrentRow(11);
        emit shapes.itemDoubleClicked(shapes.item(11));
    }));
    EXPECT_EQ(index, 11);

    index = 4;
    EXPECT_FALSE(RunPicker(form, index, [&form](QListWidget& shapes) {
        shapes.setCurrentRow(2);
        form.findChild<QPushButton*>(QStringLiteral("ShapeCancel"))->click();
    }));
    EXPECT_EQ(index, 4);

    EXPECT_TRUE(RunPicker(form, index, [&form](QListWidget& shapes) {
        shapes.clearSelection();
        form.findChild<QPushButton*>(QStringLiteral("ShapeOk"))->click();
    }));
    EXPECT_EQ(index, -1);
}

TEST(ShapePicker, ThumbnailsFit24PixelsCentredIn32) {
    EXPECT_EQ(PolygonThumbnail(kRectangle),
              QPolygon({QPoint(4, 7), QPoint(28, 7), QPoint(28, 25), QPoint(4, 25)}));
    EXPECT_TRUE(PolygonThumbnail({{10, 5}, {40, 5}, {70, 5}}).isEmpty());
    EXPECT_TRUE(PolygonThumbnail({}).isEmpty());
    const QImage icon = ShapeIcon(1).toImage();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
    EXPECT_EQ(qAlpha(icon.pixel(3, 3)), 0);
}
