#include "ui/editor/ObjectCommands.h"
#include "core/edit/FrameEdit.h"
#include "core/model/NumberText.h"
#include "core/model/ObjectNames.h"
#include "core/objects/TypesBezierPolygon.h"
#include "core/objects/TypesPolygon.h"
#include "core/text/ResStr.h"
#include "ui/DialogService.h"
#include "ui/GroupForm.h"
#include "ui/RectOps.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"

#include <algorithm>
#include <utility>

namespace {
// The caption of the dialogs that ask for an object's values.
constexpr TText kCaption{24050, "Eingabe"};

bool IsClosed(const TTypesObject& object) {
    if (const auto* polygon = dynamic_cast<const TTypesPolygon*>(&object))
        return polygon->Closed();
    if (const auto* bezier = dynamic_cast<const TTypesBezierPolygon*>(&object))
        return bezier->Closed();
    return false;
}
} // namespace

void TObjectCommands::ToFrontAction1Execute() {
    MoveInOrder(1);
}

void TObjectCommands::ToBackAction1Execute() {
    MoveInOrder(-1);
}

void TObjectCommands::MoveInOrder(int step) {
    FCanvas.EndMultiSelection();
    if (!FState.FTypesObject)
        return;
    TObjectList& objects = FState.Project.CurrentObjects();
    const int i = FState.IndexOfObject(FState.FTypesObject);
    const int j = i + step;
    if (i < 0 || j < 0 || j >= static_cast<int>(objects.size()))
        return;
    TFrameEdit(FState.Project).Reorder(i, j);
    FState.Notify(TChange::Objects);
}

void TObjectCommands::ChangeSelected(const std::function<void(TTypesObject&)>& edit) {
    TFrameEdit(FState.Project).Change(*FState.FTypesObject, edit);
    FState.Notify(TChange::Objects);
}

void TObjectCommands::AngleAction1Execute() {
    FCanvas.EndMultiSelection();
    const std::optional<TPlacement> placement =
        FState.FTypesObject ? FState.FTypesObject->AspectPlacement() : std::nullopt;
    if (!placement)
        return;
    QString text = FormatNumber(placement->Angle);
    if (!FDialogs.InputValue(FWindow, ResStr(kCaption), ResStr(24051, "Winkel:"), text))
        return;
    TPlacement changed = *placement;
    changed.Angle = ParseNumber(text);
    ChangeSelected([&changed](TTypesObject& object) {
        object.SetAspectPlacement(changed);
        object.KeyFrameTurn = true;
    });
}

void TObjectCommands::StretchAction1Execute() {
    FCanvas.EndMultiSelection();
    const std::optional<TPlacement> placement =
        FState.FTypesObject ? FState.FTypesObject->AspectPlacement() : std::nullopt;
    if (!placement)
        return;
    QString x = FormatNumber(placement->XPercent);
    QString y = FormatNumber(placement->YPercent);
    if (!FDialogs.InputValues(FWindow, ResStr(kCaption), ResStr(24052, "Streckung X:"),
                              ResStr(24053, "Streckung Y:"), x, y))
        return;
    TPlacement changed = *placement;
    changed.XPercent = ParseNumber(x);
    changed.YPercent = ParseNumber(y);
    ChangeSelected([&changed](TTypesObject& object) {
        object.SetAspectPlacement(changed);
        object.KeyFrameStretch = true;
    });
}

void TObjectCommands::DataAction1Execute() {
    FCanvas.EndMultiSelection();
    if (!FState.FTypesObject)
        return;
    if (FState.FTypesObject->AspectPlacement())
        EditCentre();
    else if (FState.FTypesObject->AspectPoints())
        EditPointList();
}

void TObjectCommands::EditCentre() {
    const TPlacement placement = *FState.FTypesObject->AspectPlacement();
    QString x = FormatNumber(placement.Centre.X);
    QString y = FormatNumber(placement.Centre.Y);
    if (!FDialogs.InputValues(FWindow, ResStr(kCaption), ResStr(24054, "Mittelpunkt X:"),
                              ResStr(24055, "Mittelpunkt Y:"), x, y))
        return;
    TPlacement changed = placement;
    changed.Centre = {ParseNumber(x), ParseNumber(y)};
    ChangeSelected([&changed](TTypesObject& object) {
        object.SetAspectPlacement(changed);
        object.KeyFrameMove = true;
    });
}

void TObjectCommands::EditPointList() {
    // The grid edits a copy of the points; the object changes only on "Ok".
    TPolyPointsEx points = *FState.FTypesObject->AspectPoints();
    if (!FDialogs.EditPoints(FWindow, points, IsClosed(*FState.FTypesObject)))
        return;
    ChangeSelected([&points](TTypesObject& object) {
        object.SetAspectPoints(points);
        object.KeyFrameMove = true;
    });
}

void TObjectCommands::NameSpeedClick() {
    if (!FState.FTypesObject)
        return;
    QString name = FState.FTypesObject->ObjName;
    if (!FDialogs.InputText(FWindow, ResStr(kCaption), ResStr(24056, "Objektname:"), name))
        return;
    FState.FTypesObject->ObjName = name;
    for (const auto& frame : FState.Project.Frames) {
        const int index = IndexOfID(FState.FTypesObject->ID, frame->Objects);
        if (index >= 0)
            frame->Objects[index]->ObjName = name;
    }
    FState.Changed = true;
    FState.Notify(TChange::Selection);
}

void TObjectCommands::GroupSpeedClick() {
    const TObjectList& objects = FState.Project.CurrentObjects();
    std::vector<bool> checked(objects.size(), false);
    for (int index : FState.MultiSelection)
        checked[index] = true;
    if (!FDialogs.ChooseGroup(FWindow, ObjectListNames(objects), checked))
        return;
    FState.MultiSelection.clear();
    TRect bounds;
    for (std::size_t i = 0; i < objects.size() && i < checked.size(); ++i) {
        if (!checked[i])
            continue;
        const TRect r = objects[i]->GetRect();
        bounds = FState.MultiSelection.empty() ? r : United(bounds, r);
        FState.MultiSelection.push_back(static_cast<int>(i));
    }
    FState.MultiSelectionRect = bounds;
    FCanvas.ResetCursorAndRepaint();
    FCanvas.Focus();
    FState.Notify(TChange::Selection);
}
