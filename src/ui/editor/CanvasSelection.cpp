#include "core/edit/FrameEdit.h"
#include "ui/BufferedScrollTable.h"
#include "ui/RectOps.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"

#include <QKeyEvent>
#include <algorithm>

void TCanvasPart::DropSelection() {
    if (!FState.FTypesObject && !FState.MultiSelectionActive())
        return;
    ClearMultiSelection();
    FState.Deselect(false);
    FState.Notify(TChange::Objects);
}

void TCanvasPart::ClearMultiSelection() {
    FState.MultiSelection.clear();
}

void TCanvasPart::EndMultiSelection() {
    if (!FState.MultiSelectionActive())
        return;
    ClearMultiSelection();
    ResetCursorAndRepaint();
}

bool TCanvasPart::ToggleMultiSelection(QPoint at) {
    const TObjectList& objects = FState.Project.CurrentObjects();
    bool found = false;
    for (int i = static_cast<int>(objects.size()) - 1; i >= 0 && !found; --i) {
        if (!Contains(objects[i]->GetRect(), at))
            continue;
        found = true;
        const auto member =
            std::find(FState.MultiSelection.begin(), FState.MultiSelection.end(), i);
        if (member != FState.MultiSelection.end())
            FState.MultiSelection.erase(member);
        else
            FState.MultiSelection.push_back(i);
    }
    std::sort(FState.MultiSelection.begin(), FState.MultiSelection.end());
    FState.MultiSelectionRect = MultiSelectionBounds();
    return found;
}

void TCanvasPart::SelectInRect() {
    FState.MultiSelection.clear();
    const TRect band = Normalized(FState.MultiSelectionRect);
    const TObjectList& objects = FState.Project.CurrentObjects();
    TRect bounds;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TRect r = objects[i]->GetRect();
        // Object bounds include their right and bottom pixels, so a level line still counts.
        if (!Overlap(band, {r.Left, r.Top, r.Right + 1, r.Bottom + 1}))
            continue;
        bounds = FState.MultiSelection.empty() ? r : United(bounds, r);
        FState.MultiSelection.push_back(static_cast<int>(i));
    }
    FState.MultiSelectionRect = bounds;
}

TRect TCanvasPart::MultiSelectionBounds() const {
    TRect bounds;
    bool first = true;
    for (int index : FState.MultiSelection) {
        const TRect r = FState.Project.CurrentObjects()[index]->GetRect();
        bounds = first ? r : United(bounds, r);
        first = false;
    }
    return bounds;
}

void TCanvasPart::MoveMultiSelection(Extended dX, Extended dY) {
    TFrameEdit step(FState.Project, true);
    for (int index : FState.MultiSelection)
        step.Change(*FState.Project.CurrentObjects()[index],
                    [dX, dY](TTypesObject& o) { o.Move(dX, dY); });
}

void TCanvasPart::KeyPressed(QObject* watched, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    auto* receiver = static_cast<QWidget*>(watched);
    // A key press passes here again for each parent it propagates to; act on it once.
    const bool propagated = event == FLastKeyEvent && key->timestamp() == FLastKeyStamp &&
                            FLastKeyReceiver && receiver->isAncestorOf(FLastKeyReceiver);
    FLastKeyEvent = event;
    FLastKeyStamp = key->timestamp();
    FLastKeyReceiver = receiver;
    if (!propagated)
        HandleKeyDown(key->key());
}

void TCanvasPart::HandleKeyDown(int key) {
    if (key == Qt::Key_Escape && !InSelectionMode()) {
        EndMultiSelection();
        if (!FState.FTypesObject)
            return;
        FState.Deselect(false);
        FState.Notify(TChange::Objects);
        return;
    }
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return;
    }
    const Extended zoom = FState.Project.Zoom;
    if (FState.MultiSelectionActive()) {
        MoveMultiSelection(dx * zoom, dy * zoom);
        FState.MultiSelectionRect = Shifted(
            FState.MultiSelectionRect, QPoint(RoundHalfEven(dx * zoom), RoundHalfEven(dy * zoom)));
    } else if (FState.FTypesObject) {
        TFrameEdit(FState.Project).Change(*FState.FTypesObject, [&](TTypesObject& o) {
            o.Move(dx * zoom, dy * zoom);
        });
    } else {
        return;
    }
    BufferedScrollTable1->Invalidate();
    FState.Notify(TChange::Selection);
}
