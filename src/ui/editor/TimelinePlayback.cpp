#include "ui/TimelineGrid.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"
#include "ui/editor/TimelinePart.h"

#include <QComboBox>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace {
// A file keeps its playback range as stored, which may lie outside its frames.
int PlayFirst(const TProject& project) {
    return std::clamp(project.PlayStart, 0, project.FrameCount - 1);
}

int PlayLast(const TProject& project) {
    return std::clamp(project.PlayEnd, 0, project.FrameCount - 1);
}
} // namespace

void TTimelinePart::PlaySpeedClick() {
    FState.Notify(TChange::Selection);
    if (FrameCombo->currentIndex() == PlayLast(FState.Project)) {
        FrameCombo->setCurrentIndex(PlayFirst(FState.Project));
        FrameComboChange(false);
    }
    FPlayLoopLevel = QThread::currentThread()->loopLevel();
    if (!FPlayTimer) {
        FPlayTimer = new QTimer(this);
        FPlayTimer->setTimerType(Qt::PreciseTimer);
        connect(FPlayTimer, &QTimer::timeout, this, &TTimelinePart::PlayStep);
    }
    FPlayTimer->start(RoundHalfEven(1000.0L / FState.Project.FramesPerSec));
}

void TTimelinePart::PlayStep() {
    if (!PlaySpeed->isChecked()) {
        FPlayTimer->stop();
        FState.Notify(TChange::Selection);
        return;
    }
    // A modal dialog runs an event loop of its own; the frame it was opened on stays current
    // until it closes, so its edit lands there.
    if (QThread::currentThread()->loopLevel() > FPlayLoopLevel)
        return;
    const int shown = FrameCombo->currentIndex();
    if (shown < PlayLast(FState.Project)) {
        FrameCombo->setCurrentIndex(shown + 1);
    } else if (!EndlessSpeed->isChecked()) {
        PlaySpeed->setChecked(false);
        FPlayTimer->stop();
        FrameComboChange(false);
        ScrollToCurrentFrame();
        FState.Notify(TChange::Selection);
        return;
    } else {
        FrameCombo->setCurrentIndex(PlayFirst(FState.Project));
    }
    FrameComboChange(false);
    ScrollToCurrentFrame();
}

void TTimelinePart::SetPlayRange(bool start) {
    std::int32_t& bound = start ? FState.Project.PlayStart : FState.Project.PlayEnd;
    if (bound == FState.Project.CurrentFrame)
        return;
    bound = FState.Project.CurrentFrame;
    // The range is saved with the project.
    FState.Changed = true;
    FState.Notify(TChange::Selection);
}

void TTimelinePart::SetupTimeline() {
    DrawGrid1->SetupTimeline();
}

void TTimelinePart::StepComboChange(int index) {
    FState.Project.TimelineStep = index;
    FCanvas.Focus();
    SetupTimeline();
}
