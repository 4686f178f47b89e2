#include "ui/ColorSwatch.h"
#include "ui/FontFamilies.h"
#include "ui/TrackBar.h"
#include "ui/WheelGuard.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/PropertyPanels.h"
#include "ui/text/TextBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {
QLabel* NewLabel(TText text, QWidget* parent) {
    auto* label = new QLabel(parent);
    BindText(label, text);
    return label;
}

TTrackBar* NewTrack(const QString& objectName, int minimum, int maximum, QWidget* parent) {
    auto* track = new TTrackBar(minimum, maximum, parent);
    track->setObjectName(objectName);
    IgnoreWheelUnlessFocused(track);
    return track;
}

QComboBox* NewPanelCombo(const QString& objectName, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    IgnoreWheelUnlessFocused(box);
    return box;
}

QCheckBox* NewSwitch(const QString& objectName, TColorSwatch* swatch) {
    auto* check = new QCheckBox(swatch);
    check->setObjectName(objectName);
    check->move(3, 3);
    return check;
}

// The letter on the button is the style's initial in the interface language.
QToolButton* NewStyleButton(const QString& objectName, TText letter, TText hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    BindText(button, letter);
    BindToolTip(button, hint);
    button->setCheckable(true);
    button->setAutoRaise(true);
    return button;
}

QStringList FontNames() {
    QStringList names = {QStringLiteral("Arial"), QStringLiteral("Caribri"),
                         QStringLiteral("Courier New")};
    for (const QString& family : QFontDatabase::families()) {
        const QString name = PlainFamilyName(family);
        if (QFontDatabase::isScalable(family) && !names.contains(name))
            names << name;
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}
} // namespace

TPropertyPanels::TPropertyPanels(TEditorState& state, TDialogService& dialogs, TCanvasPart& canvas,
                                 QWidget* window)
    : QObject(window), FState(state), FDialogs(dialogs), FCanvas(canvas), FWindow(window) {}

void TPropertyPanels::CreatePropertyPanels(QWidget* colour, QWidget* trans, QWidget* font,
                                           QWidget* mask) {
    CreateColorPanel(colour);
    CreateTransPanel(trans);
    CreateFontPanel(font);
    CreateMaskPanel(mask);
}

void TPropertyPanels::CreateColorPanel(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(1);
    BrushShape = new TColorSwatch(QStringLiteral("BrushShape"), content);
    PenShape = new TColorSwatch(QStringLiteral("PenShape"), content);
    BrushCheck = NewSwitch(QStringLiteral("BrushCheck"), BrushShape);
    PenCheck = NewSwitch(QStringLiteral("PenCheck"), PenShape);
    PenWidthTrack = NewTrack(QStringLiteral("PenWidthTrack"), 1, 100, content);
    PenWidthLabel = new QLabel(content);
    PenWidthLabel->setObjectName(QStringLiteral("PenWidthLabel"));
    grid->addWidget(NewLabel({22100, "Hintergrund"}, content), 0, 0);
    grid->addWidget(NewLabel({22101, "Vordergrund"}, content), 0, 1);
    grid->addWidget(BrushShape, 1, 0);
    grid->addWidget(PenShape, 1, 1);
    grid->addWidget(PenWidthLabel, 2, 0, 1, 2);
    grid->addWidget(PenWidthTrack, 3, 0, 1, 2);
    BrushShape->OnPress = [this] { ShapeMouseDown(BrushShape); };
    PenShape->OnPress = [this] { ShapeMouseDown(PenShape); };
    // Only user clicks reach the handler; synchronising sets the state without a click.
    connect(BrushCheck, &QCheckBox::clicked, this, [this] { CheckClick(BrushCheck); });
    connect(PenCheck, &QCheckBox::clicked, this, [this] { CheckClick(PenCheck); });
    connect(PenWidthTrack, &TTrackBar::valueChanged, this, &TPropertyPanels::PenWidthTrackChange);
    connect(PenWidthTrack, &TTrackBar::EndChange, this, &TPropertyPanels::PenWidthTrackEndChange);
}

void TPropertyPanels::CreateTransPanel(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 2, 4, 2);
    TransShape = new TColorSwatch(QStringLiteral("TransShape"), content);
    TransTrack = NewTrack(QStringLiteral("TransTrack"), 0, 100, content);
    TransLabel = new QLabel(content);
    TransLabel->setObjectName(QStringLiteral("TransLabel"));
    grid->addWidget(NewLabel({22102, "Farbe"}, content), 0, 0);
    grid->addWidget(TransShape, 1, 0);
    grid->addWidget(TransLabel, 0, 1);
    grid->addWidget(TransTrack, 1, 1);
    grid->setColumnStretch(1, 1);
    TransShape->OnPress = [this] { ShapeMouseDown(TransShape); };
    connect(TransTrack, &TTrackBar::valueChanged, this, &TPropertyPanels::TransTrackChange);
    connect(TransTrack, &TTrackBar::EndChange, this, &TPropertyPanels::TransTrackEndChange);
}

void TPropertyPanels::CreateFontPanel(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 2, 4, 2);
    FontNameCombo = NewPanelCombo(QStringLiteral("FontNameCombo"), content);
    FontNameCombo->setEditable(true);
    FontNameCombo->setInsertPolicy(QComboBox::NoInsert);
    FontNameCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    FontNameCombo->addItems(FontNames());
    FontSizeCombo = NewPanelCombo(QStringLiteral("FontSizeCombo"), content);
    FontSizeCombo->setEditable(true);
    FontSizeCombo->setInsertPolicy(QComboBox::NoInsert);
    // Typed digits must arrive as typed, not completed to a listed size.
    FontSizeCombo->setCompleter(nullptr);
    FontSizeCombo->addItems({QStringLiteral("14"), QStringLiteral("18"), QStringLiteral("24"),
                             QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("96")});
    FontBoldSpeed =
        NewStyleButton(QStringLiteral("FontBoldSpeed"), {22110, "F"}, {22111, "Fett"}, content);
    FontItalicSpeed =
        NewStyleButton(QStringLiteral("FontItalicSpeed"), {22112, "K"}, {22113, "Kursiv"}, content);
    FontUnderlineSpeed = NewStyleButton(QStringLiteral("FontUnderlineSpeed"), {22114, "U"},
                                        {22115, "Unterstrichen"}, content);
    grid->addWidget(NewLabel({22116, "Name:"}, content), 0, 0);
    grid->addWidget(FontNameCombo, 0, 1);
    grid->addWidget(NewLabel({22117, "Größe:"}, content), 1, 0);
    grid->addWidget(FontSizeCombo, 1, 1);
    auto* styles = new QHBoxLayout();
    for (QToolButton* button : {FontBoldSpeed, FontItalicSpeed, FontUnderlineSpeed}) {
        styles->addWidget(button);
        connect(button, &QToolButton::clicked, this, &TPropertyPanels::FontStyleSpeedClick);
    }
    styles->addStretch();
    grid->addLayout(styles, 2, 1);
    grid->setColumnStretch(1, 1);
    connect(FontNameCombo, &QComboBox::currentTextChanged, this,
            &TPropertyPanels::FontNameComboChange);
    connect(FontSizeCombo, &QComboBox::currentTextChanged, this,
            &TPropertyPanels::FontSizeComboChange);
    connect(FontSizeCombo->lineEdit(), &QLineEdit::editingFinished, this,
            &TPropertyPanels::FontSizeComboExit);
    // Focus goes back to the canvas only after a choice from the list, so typing goes on.
    for (QComboBox* box : {FontNameCombo, FontSizeCombo})
        connect(box, &QComboBox::activated, this, [this] { FCanvas.Focus(); });
}

void TPropertyPanels::CreateMaskPanel(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 2, 4, 2);
    QStringList types;
    for (const char* name : {"MASK_NONE", "MASK_AND", "MASK_DIFF", "MASK_OR", "MASK_XOR"})
        types << QString::fromLatin1(name);
    MaskCombo = NewPanelCombo(QStringLiteral("MaskCombo"), content);
    MaskCombo->addItems(types);
    grid->addWidget(NewLabel({22120, "Typ:"}, content), 0, 0);
    grid->addWidget(MaskCombo, 0, 1);
    grid->setColumnStretch(1, 1);
    connect(MaskCombo, &QComboBox::activated, this, &TPropertyPanels::MaskComboChange);
}
