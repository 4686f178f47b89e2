#include "ui/Icons.h"
#include "ui/TimelineGrid.h"
#include "ui/WheelGuard.h"
#include "ui/editor/CommandState.h"
#include "ui/editor/EditorState.h"
#include "ui/editor/TimelinePart.h"
#include "ui/text/TextBinding.h"

#include <QComboBox>
#include <QToolButton>

namespace {
QToolButton* NewPictureButton(QWidget* parent, const QString& objectName, TIconKind icon,
                              TText hint, bool checkable) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    BindToolTip(button, hint);
    button->setIcon(EditorIcon(icon));
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    return button;
}

QComboBox* NewBox(const QString& objectName, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    IgnoreWheelUnlessFocused(box);
    return box;
}
} // namespace

TTimelinePart::TTimelinePart(TEditorState& state, TDialogService& dialogs, TCanvasPart& canvas,
                             QWidget* window)
    : QObject(window), FState(state), FDialogs(dialogs), FCanvas(canvas), FWindow(window) {
    CreateFrameControls(window);
    CreatePlaybackControls(window);
    CreateTimeline(window);
}

void TTimelinePart::CreateFrameControls(QWidget* window) {
    FrameCombo = NewBox(QStringLiteral("FrameCombo"), window);
    // Wide enough for "Frame1 (Master)", the longest entry.
    FrameCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // The entries are built from the frame count; a new language builds them again.
    OnLanguageChange(FrameCombo, [this] { FillFrameCombo(); });
    TakeSpeed = new QToolButton(window);
    TakeSpeed->setObjectName(QStringLiteral("TakeSpeed"));
    BindText(TakeSpeed, {23020, "Übernehmen"});
    connect(FrameCombo, &QComboBox::activated, this, [this] { FrameComboChange(true); });
    connect(TakeSpeed, &QToolButton::clicked, this, &TTimelinePart::TakeSpeedClick);
}

void TTimelinePart::CreatePlaybackControls(QWidget* window) {
    PlaySpeed = NewPictureButton(window, QStringLiteral("PlaySpeed"), TIconKind::Play,
                                 {23030, "Abspielen"}, true);
    StopSpeed = NewPictureButton(window, QStringLiteral("StopSpeed"), TIconKind::Stop,
                                 {23031, "Stopp"}, false);
    EndlessSpeed = NewPictureButton(window, QStringLiteral("EndlessSpeed"), TIconKind::Endless,
                                    {23032, "Endlos"}, true);
    LeftSpeed = NewPictureButton(window, QStringLiteral("LeftSpeed"), TIconKind::RangeStart,
                                 {23033, "Bereichsanfang"}, false);
    RightSpeed = NewPictureButton(window, QStringLiteral("RightSpeed"), TIconKind::RangeEnd,
                                  {23034, "Bereichsende"}, false);
    QStringList steps;
    for (int i = 1; i <= 9; ++i)
        steps << QStringLiteral("1/%1").arg(i);
    StepCombo = NewBox(QStringLiteral("StepCombo"), window);
    StepCombo->addItems(steps);
    connect(PlaySpeed, &QToolButton::toggled, this, [this](bool down) {
        if (down)
            PlaySpeedClick();
    });
    connect(StopSpeed, &QToolButton::clicked, PlaySpeed, [this] { PlaySpeed->setChecked(false); });
    connect(LeftSpeed, &QToolButton::clicked, this, [this] { SetPlayRange(true); });
    connect(RightSpeed, &QToolButton::clicked, this, [this] { SetPlayRange(false); });
    connect(StepCombo, &QComboBox::activated, this, &TTimelinePart::StepComboChange);
}

void TTimelinePart::CreateTimeline(QWidget* window) {
    DrawGrid1 = new TTimelineGrid(window);
    DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    DrawGrid1->SetProject(&FState.Project);
    connect(DrawGrid1, &TTimelineGrid::CellPressed, this, &TTimelinePart::DrawGrid1MouseDown);
    connect(DrawGrid1, &TTimelineGrid::CellMoved, this, &TTimelinePart::DrawGrid1MouseMove);
    connect(DrawGrid1, &TTimelineGrid::CellReleased, this, &TTimelinePart::DrawGrid1MouseUp);
    connect(DrawGrid1, &TTimelineGrid::CellDoubleClicked, this, &TTimelinePart::DrawGrid1DblClick);
}

QList<QWidget*> TTimelinePart::PlaybackControls() const {
    return {PlaySpeed, StopSpeed, EndlessSpeed, LeftSpeed, RightSpeed, StepCombo};
}

int TTimelinePart::ShownFrame() const {
    return FrameCombo->currentIndex();
}

bool TTimelinePart::IsPlaying() const {
    return PlaySpeed->isChecked();
}

void TTimelinePart::UpdateControls(const TCommandState& state) {
    TakeSpeed->setEnabled(state.Pending || state.Redoable);
    PlaySpeed->setEnabled(!state.Pending && !state.Redoable && !state.Playing);
    StopSpeed->setEnabled(state.Playing);
    LeftSpeed->setEnabled(!state.Playing);
    RightSpeed->setEnabled(!state.Playing);
    StepCombo->setCurrentIndex(FState.Project.TimelineStep);
    DrawGrid1->setEnabled(!state.Playing);
    DrawGrid1->SetSelectedId(state.Selected ? state.Selected->ID : QString());
    DrawGrid1->SetPending(state.Pending);
    DrawGrid1->viewport()->update();
}

void TTimelinePart::Rebuild() {
    DrawGrid1->viewport()->update();
    SetupTimeline();
    FillFrameCombo();
}

void TTimelinePart::FillFrameCombo() {
    const QSignalBlocker blocker(FrameCombo);
    FrameCombo->clear();
    QStringList items;
    items.reserve(FState.Project.FrameCount);
    items << ResStr(23040, "Frame1 (Master)");
    const QString frame = ResStr(23041, "Frame%1");
    for (int i = 2; i <= FState.Project.FrameCount; ++i)
        items << frame.arg(i);
    FrameCombo->addItems(items);
    FrameCombo->setCurrentIndex(FState.Project.CurrentFrame);
}
