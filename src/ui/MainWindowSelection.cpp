#include "core/edit/FrameEdit.h"
#include "ui/BufferedScrollTable.h"
#include "ui/MainWindow.h"
#include "ui/RectOps.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

void TMainForm::ClearMultiSelection() {
    MultiSelection.clear();
}

void TMainForm::EndMultiSelection() {
    if (!MultiSelectionActive())
        return;
    ClearMultiSelection();
    ResetCursorAndRepaint();
}

bool TMainForm::ToggleMultiSelection(QPoint at) {
    const TObjectList& objects = FProject.CurrentObjects();
    bool found = false;
    for (int i = static_cast<int>(objects.size()) - 1; i >= 0 && !found; --i) {
        if (!Contains(objects[i]->GetRect(), at))
            continue;
        found = true;
        const auto member = std::find(MultiSelection.begin(), MultiSelection.end(), i);
        if (member != MultiSelection.end())
            MultiSelection.erase(member);
        else
            MultiSelection.push_back(i);
    }
    std::sort(MultiSelection.begin(), MultiSelection.end());
    MultiSelectionRect = MultiSelectionBounds();
    return found;
}

void TMainForm::SelectInRect() {
    MultiSelection.clear();
    const TRect band = Normalized(MultiSelectionRect);
    const TObjectList& objects = FProject.CurrentObjects();
    TRect bounds;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TRect r = objects[i]->GetRect();
        // Object bounds include their right and bottom pixels, so a level line still counts.
        if (!Overlap(band, {r.Left, r.Top, r.Right + 1, r.Bottom + 1}))
            continue;
        bounds = MultiSelection.empty() ? r : United(bounds, r);
        MultiSelection.push_back(static_cast<int>(i));
    }
    MultiSelectionRect = bounds;
}

TRect TMainForm::MultiSelectionBounds() const {
    TRect bounds;
    bool first = true;
    for (int index : MultiSelection) {
        const TRect r = FProject.CurrentObjects()[index]->GetRect();
        bounds = first ? r : United(bounds, r);
        first = false;
    }
    return bounds;
}

void TMainForm::MoveMultiSelection(Extended dX, Extended dY) {
    TFrameEdit step(FProject, true);
    for (int index : MultiSelection)
        step.Change(*FProject.CurrentObjects()[index],
                    [dX, dY](TTypesObject& o) { o.Move(dX, dY); });
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
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
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::HandleKeyDown(int key) {
    if (key == Qt::Key_Escape && !InSelectionMode()) {
        EndMultiSelection();
        if (!FTypesObject)
            return;
        Deselect(false);
        ResetCursorAndRepaint();
        FinishCommand();
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
    const Extended zoom = FProject.Zoom;
    if (MultiSelectionActive()) {
        MoveMultiSelection(dx * zoom, dy * zoom);
        MultiSelectionRect =
            Shifted(MultiSelectionRect, QPoint(RoundHalfEven(dx * zoom), RoundHalfEven(dy * zoom)));
    } else if (FTypesObject) {
        TFrameEdit(FProject).Change(*FTypesObject,
                                    [&](TTypesObject& o) { o.Move(dx * zoom, dy * zoom); });
    } else {
        return;
    }
    BufferedScrollTable1->Invalidate();
    FinishCommand();
}
