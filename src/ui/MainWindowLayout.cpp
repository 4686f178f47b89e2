#include "ui/BufferedScrollTable.h"
#include "ui/CollapsiblePanel.h"
#include "ui/MainWindow.h"
#include "ui/TimelineGrid.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/DesktopCommands.h"
#include "ui/editor/EditorActions.h"
#include "ui/editor/ObjectCommands.h"
#include "ui/editor/PropertyPanels.h"
#include "ui/editor/TimelinePart.h"
#include "ui/text/TextBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kPanelColumnWidth = 240;

const std::array<TText, TMainForm::PanelCount> kPanelCaptions = {{{21110, "Farbe/Breite"},
                                                                  {21111, "Transparenz"},
                                                                  {21112, "Schriftart"},
                                                                  {21113, "Maske"},
                                                                  {21114, "Anzeige"},
                                                                  {21115, "Animation"}}};

QLabel* NewLabel(TText text, QWidget* parent) {
    auto* label = new QLabel(parent);
    BindText(label, text);
    return label;
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
    row->addWidget(FCanvas->Canvas(), 1);
    row->addWidget(CreatePanelColumn());
    column->addLayout(row, 1);
    column->addWidget(FTimeline->Grid());
    setCentralWidget(central);
}

QWidget* TMainForm::CreateToolColumn() {
    auto* tools = new QWidget(this);
    tools->setObjectName(QStringLiteral("ToolColumn"));
    auto* layout = new QVBoxLayout(tools);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    for (int i = 0; i < TCanvasPart::ToolCount; ++i) {
        auto* button = new QToolButton(tools);
        button->setObjectName(QStringLiteral("ModeSpeed%1").arg(i + 1));
        button->setDefaultAction(
            (*FActions)[static_cast<TCommand>(static_cast<int>(TCommand::SelectionTool) + i)]);
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
        FPanels[p] = new TCollapsiblePanel(kPanelCaptions[p], inner);
        FPanels[p]->setObjectName(QStringLiteral("CompBar%1").arg(p + 1));
        layout->addWidget(FPanels[p]);
    }
    layout->addStretch();
    CreateViewPanel(FPanels[4]->Content());
    CreateAnimationPanel(FPanels[5]->Content());
    FProperties->CreatePropertyPanels(FPanels[0]->Content(), FPanels[1]->Content(),
                                      FPanels[2]->Content(), FPanels[3]->Content());
    scroll->setWidget(inner);
    return scroll;
}

void TMainForm::CreateViewPanel(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->addWidget(NewLabel({21120, "Vergrößerung:"}, content), 0, 0);
    grid->addWidget(FCanvas->ZoomBox(), 0, 1);
    grid->addWidget(NewLabel({21121, "Frame:"}, content), 1, 0);
    grid->addWidget(FTimeline->FrameBox(), 1, 1);
    grid->addWidget(FTimeline->TakeButton(), 2, 1);
    grid->addWidget(NewLabel({21122, "Objekt:"}, content), 3, 0);
    grid->addWidget(FCanvas->ObjectBox(), 3, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(FObjects->NameButton());
    buttons->addWidget(FObjects->GroupButton());
    grid->addLayout(buttons, 4, 1);
    grid->addWidget(FCanvas->OnionBox(), 5, 0, 1, 2);
}

void TMainForm::CreateAnimationPanel(QWidget* content) {
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    for (QWidget* control : FTimeline->PlaybackControls())
        row->addWidget(control);
}

void TMainForm::CreateStatusBar() {
    const std::array<int, 3> widths = {120, 150, 120};
    for (int i = 0; i < 3; ++i) {
        FStatusFields[i] = new QLabel(this);
        FStatusFields[i]->setObjectName(QStringLiteral("StatusField%1").arg(i + 1));
        FStatusFields[i]->setFixedWidth(widths[i]);
        statusBar()->addWidget(FStatusFields[i]);
    }
    // The hint depends on the stored file type link, so it is asked again in the new language.
    OnLanguageChange(statusBar(),
                     [this] { statusBar()->setToolTip(TDesktopCommands::StatusBarHint()); });
}
