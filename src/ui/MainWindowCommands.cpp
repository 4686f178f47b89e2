#include "core/edit/FrameEdit.h"
#include "core/model/NumberText.h"
#include "core/model/ObjectNames.h"
#include "core/objects/TypesBezierPolygon.h"
#include "core/objects/TypesPolygon.h"
#include "ui/BufferedScrollTable.h"
#include "ui/DialogService.h"
#include "ui/GroupForm.h"
#include "ui/MainWindow.h"
#include "ui/RectOps.h"

#include <algorithm>
#include <utility>

namespace {
const QString kCaption = QStringLiteral("Eingabe");

bool IsClosed(const TTypesObject& object) {
    if (const auto* polygon = dynamic_cast<const TTypesPolygon*>(&object))
        return polygon->Closed();
    if (const auto* bezier = dynamic_cast<const TTypesBezierPolygon*>(&object))
        return bezier->Closed();
    return false;
}
} // namespace

void TMainForm::ToFrontAction1Execute() {
    MoveInOrder(1);
}

void TMainForm::ToBackAction1Execute() {
    MoveInOrder(-1);
}

void TMainForm::MoveInOrder(int step) {
    EndMultiSelection();
    if (!FTypesObject)
        return;
    TObjectList& objects = FProject.CurrentObjects();
    const int i = IndexOfObject(FTypesObject);
    const int j = i + step;
    if (i < 0 || j < 0 || j >= static_cast<int>(objects.size()))
        return;
    TFrameEdit(FProject).Reorder(i, j);
    ResetCursorAndRepaint();
    FinishCommand();
}

void TMainForm::ChangeSelected(const std::function<void(TTypesObject&)>& edit) {
    TFrameEdit(FProject).Change(*FTypesObject, edit);
    ResetCursorAndRepaint();
    FinishCommand();
}

void TMainForm::AngleAction1Execute() {
    EndMultiSelection();
    const std::optional<TPlacement> placement =
        FTypesObject ? FTypesObject->AspectPlacement() : std::nullopt;
    if (!placement)
        return;
    QString text = FormatNumber(placement->Angle);
    if (!FDialogs->InputValue(this, kCaption, QStringLiteral("Winkel:"), text))
        return;
    TPlacement changed = *placement;
    changed.Angle = ParseNumber(text);
    ChangeSelected([&changed](TTypesObject& object) {
        object.SetAspectPlacement(changed);
        object.KeyFrameTurn = true;
    });
}

void TMainForm::StretchAction1Execute() {
    EndMultiSelection();
    const std::optional<TPlacement> placement =
        FTypesObject ? FTypesObject->AspectPlacement() : std::nullopt;
    if (!placement)
        return;
    QString x = FormatNumber(placement->XPercent);
    QString y = FormatNumber(placement->YPercent);
    if (!FDialogs->InputValues(this, kCaption, QStringLiteral("Streckung X:"),
                               QStringLiteral("Streckung Y:"), x, y))
        return;
    TPlacement changed = *placement;
    changed.XPercent = ParseNumber(x);
    changed.YPercent = ParseNumber(y);
    ChangeSelected([&changed](TTypesObject& object) {
        object.SetAspectPlacement(changed);
        object.KeyFrameStretch = true;
    });
}

void TMainForm::DataAction1Execute() {
    EndMultiSelection();
    if (!FTypesObject)
        return;
    if (FTypesObject->AspectPlacement())
        EditCentre();
    else if (FTypesObject->AspectPoints())
        EditPointList();
}

void TMainForm::EditCentre() {
    const TPlacement placement = *FTypesObject->AspectPlacement();
    QString x = FormatNumber(placement.Centre.X);
    QString y = FormatNumber(placement.Centre.Y);
    if (!FDialogs->InputValues(this, kCaption, QStringLiteral("Mittelpunkt X:"),
                               QStringLiteral("Mittelpunkt Y:"), x, y))
        return;
    TPlacement changed = placement;
    changed.Centre = {ParseNumber(x), ParseNumber(y)};
    ChangeSelected([&changed](TTypesObject& object) {
        object.SetAspectPlacement(changed);
        object.KeyFrameMove = true;
    });
}

void TMainForm::EditPointList() {
    // The grid edits a copy of the points; the object changes only on "Ok".
    TPolyPointsEx points = *FTypesObject->AspectPoints();
    if (!FDialogs->EditPoints(this, points, IsClosed(*FTypesObject)))
        return;
    ChangeSelected([&points](TTypesObject& object) {
        object.SetAspectPoints(points);
        object.KeyFrameMove = true;
    });
}

void TMainForm::NameSpeedClick() {
    if (!FTypesObject)
        return;
    QString name = FTypesObject->ObjName;
    if (!FDialogs->InputText(this, kCaption, QStringLiteral("Objektname:"), name))
        return;
    FTypesObject->ObjName = name;
    for (const auto& frame : FProject.Frames) {
        const int index = IndexOfID(FTypesObject->ID, frame->Objects);
        if (index >= 0)
            frame->Objects[index]->ObjName = name;
    }
    FChanged = true;
    FinishCommand();
}

void TMainForm::GroupSpeedClick() {
    const TObjectList& objects = FProject.CurrentObjects();
    std::vector<bool> checked(objects.size(), false);
    for (int index : MultiSelection)
        checked[index] = true;
    if (!FDialogs->ChooseGroup(this, ObjectListNames(objects), checked))
        return;
    MultiSelection.clear();
    TRect bounds;
    for (std::size_t i = 0; i < objects.size() && i < checked.size(); ++i) {
        if (!checked[i])
            continue;
        const TRect r = objects[i]->GetRect();
        bounds = MultiSelection.empty() ? r : United(bounds, r);
        MultiSelection.push_back(static_cast<int>(i));
    }
    MultiSelectionRect = bounds;
    ResetCursorAndRepaint();
    BufferedScrollTable1->setFocus();
    FinishCommand();
}
