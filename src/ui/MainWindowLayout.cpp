#include "ui/BufferedScrollTable.h"
#include "ui/CollapsiblePanel.h"
#include "ui/Icons.h"
#include "ui/MainWindow.h"
#include "ui/TimelineGrid.h"
#include "ui/WheelGuard.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kPanelColumnWidth = 240;

const std::array<const char*, TMainForm::PanelCount> kPanelCaptions = {
    "Farbe/Breite", "Transparenz", "Schriftart", "Maske", "Anzeige", "Animation"};

QToolButton* NewPictureButton(QWidget* parent, const QString& objectName, TIconKind icon,
                              const QString& hint, bool checkable) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setToolTip(hint);
    button->setIcon(EditorIcon(icon));
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    return button;
}

QComboBox* NewCombo(QWidget* parent, const QString& objectName, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->addItems(items);
    return combo;
}
} // namespace

void TMainForm::CreateCentralArea() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* row = new QHBoxLayout();
    row->setSpacing(0);
    row->addWidget(CreateToolColumn());
    row->addWidget(CreateCanvas(), 1);
    row->addWidget(CreatePanelColumn());
    column->addLayout(row, 1);
    column->addWidget(CreateTimeline());
    setCentralWidget(central);
}

QWidget* TMainForm::CreateToolColumn() {
    auto* tools = new QWidget(this);
    tools->setObjectName(QStringLiteral("ToolColumn"));
    auto* layout = new QVBoxLayout(tools);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    for (int i = 0; i < ToolCount; ++i) {
        auto* button = new QToolButton(tools);
        button->setObjectName(QStringLiteral("ModeSpeed%1").arg(i + 1));
        button->setDefaultAction(FToolActions[i]);
        button->setAutoRaise(true);
        button->setIconSize(QSize(24, 24));
        layout->addWidget(button);
        FModeSpeeds[i] = button;
    }
    layout->addStretch();
    return tools;
}

QScrollArea* TMainForm::CreatePanelColumn() {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("RightScrollBox"));
    scroll->setFixedWidth(kPanelColumnWidth);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inner = new QWidget(scroll);
    auto* layout = new QVBoxLayout(inner);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    for (int p = 0; p < PanelCount; ++p) {
        FPanels[p] = new TCollapsiblePanel(QString::fromUtf8(kPanelCaptions[p]), inner);
        FPanels[p]->setObjectName(QStringLiteral("CompBar%1").arg(p + 1));
        layout->addWidget(FPanels[p]);
    }
    layout->addStretch();
    CreateViewPanel(FPanels[4]->Content());
    CreateAnimationPanel(FPanels[5]->Content());
    CreatePropertyPanels();
    scroll->setWidget(inner);
    return scroll;
}

void TMainForm::CreateViewPanel(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 4, 4, 4);
    ZoomCombo = NewCombo(content, QStringLiteral("ZoomCombo"),
                         {QStringLiteral("Angepasst"), QStringLiteral("25%"), QStringLiteral("50%"),
                          QStringLiteral("100%"), QStringLiteral("150%"), QStringLiteral("200%"),
                          QStringLiteral("400%")});
    FrameCombo = NewCombo(content, QStringLiteral("FrameCombo"), {});
    // Wide enough for "Frame1 (Master)", the longest entry.
    FrameCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ObjectCombo = NewCombo(content, QStringLiteral("ObjectCombo"), {});
    TakeSpeed = new QToolButton(content);
    TakeSpeed->setObjectName(QStringLiteral("TakeSpeed"));
    TakeSpeed->setText(QStringLiteral("Übernehmen"));
    NameSpeed = new QToolButton(content);
    NameSpeed->setObjectName(QStringLiteral("NameSpeed"));
    NameSpeed->setText(QStringLiteral("Name"));
    NameSpeed->setToolTip(QStringLiteral("Objektname eingeben"));
    GroupSpeed = new QToolButton(content);
    GroupSpeed->setObjectName(QStringLiteral("GroupSpeed"));
    GroupSpeed->setText(QStringLiteral("Gruppe"));
    GroupSpeed->setToolTip(QStringLiteral("Gruppe wählen"));
    grid->addWidget(new QLabel(QStringLiteral("Vergrößerung:"), content), 0, 0);
    grid->addWidget(ZoomCombo, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Frame:"), content), 1, 0);
    grid->addWidget(FrameCombo, 1, 1);
    grid->addWidget(TakeSpeed, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Objekt:"), content), 3, 0);
    grid->addWidget(ObjectCombo, 3, 1);
    for (QComboBox* box : {ZoomCombo, FrameCombo, ObjectCombo})
        IgnoreWheelUnlessFocused(box);
    connect(ZoomCombo, &QComboBox::activated, this, &TMainForm::ZoomComboChange);
    connect(ObjectCombo, &QComboBox::activated, this, &TMainForm::ObjectComboChange);
    connect(FrameCombo, &QComboBox::activated, this, [this] { FrameComboChange(true); });
    connect(TakeSpeed, &QToolButton::clicked, this, &TMainForm::TakeSpeedClick);
    connect(NameSpeed, &QToolButton::clicked, this, &TMainForm::NameSpeedClick);
    connect(GroupSpeed, &QToolButton::clicked, this, &TMainForm::GroupSpeedClick);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(NameSpeed);
    buttons->addWidget(GroupSpeed);
    grid->addLayout(buttons, 4, 1);
}

void TMainForm::CreateAnimationPanel(QWidget* content) {
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    PlaySpeed = NewPictureButton(content, QStringLiteral("PlaySpeed"), TIconKind::Play,
                                 QStringLiteral("Abspielen"), true);
    StopSpeed = NewPictureButton(content, QStringLiteral("StopSpeed"), TIconKind::Stop,
                                 QStringLiteral("Stopp"), false);
    EndlessSpeed = NewPictureButton(content, QStringLiteral("EndlessSpeed"), TIconKind::Endless,
                                    QStringLiteral("Endlos"), true);
    LeftSpeed = NewPictureButton(content, QStringLiteral("LeftSpeed"), TIconKind::RangeStart,
                                 QStringLiteral("Bereichsanfang"), false);
    RightSpeed = NewPictureButton(content, QStringLiteral("RightSpeed"), TIconKind::RangeEnd,
                                  QStringLiteral("Bereichsende"), false);
    QStringList steps;
    for (int i = 1; i <= 9; ++i)
        steps << QStringLiteral("1/%1").arg(i);
    StepCombo = NewCombo(content, QStringLiteral("StepCombo"), steps);
    IgnoreWheelUnlessFocused(StepCombo);
    connect(PlaySpeed, &QToolButton::toggled, this, [this](bool down) {
        if (down)
            PlaySpeedClick();
    });
    connect(StopSpeed, &QToolButton::clicked, PlaySpeed, [this] { PlaySpeed->setChecked(false); });
    connect(LeftSpeed, &QToolButton::clicked, this, [this] { SetPlayRange(true); });
    connect(RightSpeed, &QToolButton::clicked, this, [this] { SetPlayRange(false); });
    connect(StepCombo, &QComboBox::activated, this, &TMainForm::StepComboChange);
    for (QWidget* w : {static_cast<QWidget*>(PlaySpeed), static_cast<QWidget*>(StopSpeed),
                       static_cast<QWidget*>(EndlessSpeed), static_cast<QWidget*>(LeftSpeed),
                       static_cast<QWidget*>(RightSpeed), static_cast<QWidget*>(StepCombo)})
        row->addWidget(w);
}

QWidget* TMainForm::CreateTimeline() {
    DrawGrid1 = new TTimelineGrid(this);
    DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    DrawGrid1->SetProject(&FProject);
    connect(DrawGrid1, &TTimelineGrid::CellPressed, this, &TMainForm::DrawGrid1MouseDown);
    connect(DrawGrid1, &TTimelineGrid::CellMoved, this, &TMainForm::DrawGrid1MouseMove);
    connect(DrawGrid1, &TTimelineGrid::CellReleased, this, &TMainForm::DrawGrid1MouseUp);
    connect(DrawGrid1, &TTimelineGrid::CellDoubleClicked, this, &TMainForm::DrawGrid1DblClick);
    return DrawGrid1;
}

void TMainForm::CreateStatusBar() {
    const std::array<int, 3> widths = {120, 150, 120};
    for (int i = 0; i < 3; ++i) {
        FStatusFields[i] = new QLabel(this);
        FStatusFields[i]->setObjectName(QStringLiteral("StatusField%1").arg(i + 1));
        FStatusFields[i]->setFixedWidth(widths[i]);
        statusBar()->addWidget(FStatusFields[i]);
    }
}
