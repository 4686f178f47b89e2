#include "core/edit/FrameEdit.h"
#include "core/render/Primitives.h"
#include "ui/BufferedScrollTable.h"
#include "ui/CollapsiblePanel.h"
#include "ui/DialogService.h"
#include "ui/FontFamilies.h"
#include "ui/MainWindow.h"
#include "ui/TrackBar.h"
#include "ui/WheelGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <functional>

// A colour field that opens the colour chooser on any mouse press. The colour is kept as the
// dynamic property "color" so it can be read back without knowing this class.
class TColorSwatch : public QFrame {
public:
    TColorSwatch(const QString& objectName, QWidget* parent) : QFrame(parent) {
        setObjectName(objectName);
        setFrameShape(QFrame::Box);
        setFixedSize(44, 36);
        SetColor(clNone);
    }

    TColor Color() const { return property("color").toInt(); }
    void SetColor(TColor color) {
        setProperty("color", color);
        update();
    }

    std::function<void()> OnPress;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        if (OnPress)
            OnPress();
    }
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect inner = rect().adjusted(1, 1, -1, -1);
        const TColor color = Color();
        if (color == clNone) {
            // No colour: white with a cross, as nothing would be drawn.
            painter.fillRect(inner, Qt::white);
            painter.drawLine(inner.topLeft(), inner.bottomRight());
            painter.drawLine(inner.topRight(), inner.bottomLeft());
        } else {
            painter.fillRect(inner, ColorToQColor(color));
        }
        QFrame::paintEvent(event);
    }
};

namespace {
constexpr int kMaskTypes = 5;

QLabel* NewLabel(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
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

QToolButton* NewStyleButton(const QString& objectName, const QString& text, const QString& hint,
                            QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(text);
    button->setToolTip(hint);
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

// Sets the text of an editable box only when it differs, so the caret of a box being typed in
// stays where it is.
void SetBoxText(QComboBox* box, const QString& text) {
    if (box->currentText() == text)
        return;
    const QSignalBlocker blocker(box);
    box->setEditText(text);
}

QString PenWidthText(int position) {
    return QStringLiteral("Stiftbreite %1").arg(position);
}

QString TransText(int position) {
    return QStringLiteral("%1 %").arg(position);
}

// A size as typed: a whole number of at least 1.
bool ParseFontSize(const QString& text, int& size) {
    bool ok = false;
    size = text.trimmed().toInt(&ok);
    return ok && size >= 1;
}
} // namespace

void TMainForm::CreatePropertyPanels() {
    CreateColorPanel(FPanels[0]->Content());
    CreateTransPanel(FPanels[1]->Content());
    CreateFontPanel(FPanels[2]->Content());
    CreateMaskPanel(FPanels[3]->Content());
}

void TMainForm::CreateColorPanel(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(1);
    BrushShape = new TColorSwatch(QStringLiteral("BrushShape"), content);
    PenShape = new TColorSwatch(QStringLiteral("PenShape"), content);
    BrushCheck = NewSwitch(QStringLiteral("BrushCheck"), BrushShape);
    PenCheck = NewSwitch(QStringLiteral("PenCheck"), PenShape);
    PenWidthTrack = NewTrack(QStringLiteral("PenWidthTrack"), 1, 100, content);
    PenWidthLabel = NewLabel(QString(), content);
    PenWidthLabel->setObjectName(QStringLiteral("PenWidthLabel"));
    grid->addWidget(NewLabel(QStringLiteral("Hintergrund"), content), 0, 0);
    grid->addWidget(NewLabel(QStringLiteral("Vordergrund"), content), 0, 1);
    grid->addWidget(BrushShape, 1, 0);
    grid->addWidget(PenShape, 1, 1);
    grid->addWidget(PenWidthLabel, 2, 0, 1, 2);
    grid->addWidget(PenWidthTrack, 3, 0, 1, 2);
    BrushShape->OnPress = [this] { ShapeMouseDown(BrushShape); };
    PenShape->OnPress = [this] { ShapeMouseDown(PenShape); };
    // Only user clicks reach the handler; synchronising sets the state without a click.
    connect(BrushCheck, &QCheckBox::clicked, this, [this] { CheckClick(BrushCheck); });
    connect(PenCheck, &QCheckBox::clicked, this, [this] { CheckClick(PenCheck); });
    connect(PenWidthTrack, &TTrackBar::valueChanged, this, &TMainForm::PenWidthTrackChange);
    connect(PenWidthTrack, &TTrackBar::EndChange, this, &TMainForm::PenWidthTrackEndChange);
}

void TMainForm::CreateTransPanel(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 2, 4, 2);
    TransShape = new TColorSwatch(QStringLiteral("TransShape"), content);
    TransTrack = NewTrack(QStringLiteral("TransTrack"), 0, 100, content);
    TransLabel = NewLabel(QString(), content);
    TransLabel->setObjectName(QStringLiteral("TransLabel"));
    grid->addWidget(NewLabel(QStringLiteral("Farbe"), content), 0, 0);
    grid->addWidget(TransShape, 1, 0);
    grid->addWidget(TransLabel, 0, 1);
    grid->addWidget(TransTrack, 1, 1);
    grid->setColumnStretch(1, 1);
    TransShape->OnPress = [this] { ShapeMouseDown(TransShape); };
    connect(TransTrack, &TTrackBar::valueChanged, this, &TMainForm::TransTrackChange);
    connect(TransTrack, &TTrackBar::EndChange, this, &TMainForm::TransTrackEndChange);
}

void TMainForm::CreateFontPanel(QWidget* content) {
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
    FontBoldSpeed = NewStyleButton(QStringLiteral("FontBoldSpeed"), QStringLiteral("F"),
                                   QStringLiteral("Fett"), content);
    FontItalicSpeed = NewStyleButton(QStringLiteral("FontItalicSpeed"), QStringLiteral("K"),
                                     QStringLiteral("Kursiv"), content);
    FontUnderlineSpeed = NewStyleButton(QStringLiteral("FontUnderlineSpeed"), QStringLiteral("U"),
                                        QStringLiteral("Unterstrichen"), content);
    grid->addWidget(NewLabel(QStringLiteral("Name:"), content), 0, 0);
    grid->addWidget(FontNameCombo, 0, 1);
    grid->addWidget(NewLabel(QStringLiteral("Größe:"), content), 1, 0);
    grid->addWidget(FontSizeCombo, 1, 1);
    auto* styles = new QHBoxLayout();
    for (QToolButton* button : {FontBoldSpeed, FontItalicSpeed, FontUnderlineSpeed}) {
        styles->addWidget(button);
        connect(button, &QToolButton::clicked, this, &TMainForm::FontStyleSpeedClick);
    }
    styles->addStretch();
    grid->addLayout(styles, 2, 1);
    grid->setColumnStretch(1, 1);
    connect(FontNameCombo, &QComboBox::currentTextChanged, this, &TMainForm::FontNameComboChange);
    connect(FontSizeCombo, &QComboBox::currentTextChanged, this, &TMainForm::FontSizeComboChange);
    connect(FontSizeCombo->lineEdit(), &QLineEdit::editingFinished, this,
            &TMainForm::FontSizeComboExit);
    // Focus goes back to the canvas only after a choice from the list, so typing goes on.
    for (QComboBox* box : {FontNameCombo, FontSizeCombo})
        connect(box, &QComboBox::activated, this, [this] { BufferedScrollTable1->setFocus(); });
}

void TMainForm::CreateMaskPanel(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(4, 2, 4, 2);
    QStringList types;
    for (const char* name : {"MASK_NONE", "MASK_AND", "MASK_DIFF", "MASK_OR", "MASK_XOR"})
        types << QString::fromLatin1(name);
    MaskCombo = NewPanelCombo(QStringLiteral("MaskCombo"), content);
    MaskCombo->addItems(types);
    grid->addWidget(NewLabel(QStringLiteral("Typ:"), content), 0, 0);
    grid->addWidget(MaskCombo, 0, 1);
    grid->setColumnStretch(1, 1);
    connect(MaskCombo, &QComboBox::activated, this, &TMainForm::MaskComboChange);
}

TProps TMainForm::PanelProps() const {
    return FTypesObject ? FTypesObject->GetProps() : NewObjectProps(FSettings.Defaults);
}

void TMainForm::SyncPropertyPanels() {
    const TProps props = PanelProps();
    BrushShape->SetColor(props.BrushColor);
    PenShape->SetColor(props.PenColor);
    TransShape->SetColor(props.TransColor);
    BrushCheck->setChecked(props.BrushShow);
    PenCheck->setChecked(props.PenShow);
    PenWidthTrack->SetPosition(props.PenWidth);
    TransTrack->SetPosition(RoundHalfEven(props.Trans));
    SetBoxText(FontNameCombo, props.FontName);
    SetBoxText(FontSizeCombo, QString::number(props.FontSize));
    FontBoldSpeed->setChecked(props.FontStyle & fsBold);
    FontItalicSpeed->setChecked(props.FontStyle & fsItalic);
    FontUnderlineSpeed->setChecked(props.FontStyle & fsUnderline);
    MaskCombo->setCurrentIndex(props.Mask >= 0 && props.Mask < kMaskTypes ? props.Mask : -1);

    // Colours and opacity may be keyframed; everything else belongs to the master frame.
    const bool master = IsMaster();
    for (QWidget* control :
         {static_cast<QWidget*>(BrushCheck), static_cast<QWidget*>(PenCheck),
          static_cast<QWidget*>(PenWidthTrack), static_cast<QWidget*>(TransShape),
          static_cast<QWidget*>(FontNameCombo), static_cast<QWidget*>(FontSizeCombo),
          static_cast<QWidget*>(FontBoldSpeed), static_cast<QWidget*>(FontItalicSpeed),
          static_cast<QWidget*>(FontUnderlineSpeed), static_cast<QWidget*>(MaskCombo)})
        control->setEnabled(master);
    PenWidthLabel->setText(PenWidthText(PenWidthTrack->value()));
    TransLabel->setText(TransText(TransTrack->value()));
}

void TMainForm::ApplyPanelChange(const std::function<void(TProps&)>& toObject,
                                 const std::function<void(TPanelDefaults&)>& toDefaults,
                                 bool toCanvas) {
    EndMultiSelection();
    if (FTypesObject) {
        TProps props = FTypesObject->GetProps();
        toObject(props);
        // An unchanged value is no step to undo.
        if (!(props == FTypesObject->GetProps())) {
            TFrameEdit(FProject).Change(*FTypesObject,
                                        [&props](TTypesObject& o) { o.ChangeProps(props, true); });
        }
    } else {
        toDefaults(FSettings.Defaults);
        if (toCanvas)
            ApplyDefaultsToCanvas();
    }
    UpdateControls();
}

void TMainForm::ShapeMouseDown(TColorSwatch* swatch) {
    EndMultiSelection();
    TColor color = swatch->Color();
    if (FDialogs->ChooseColor(this, color)) {
        swatch->SetColor(color);
        const auto set = [swatch, color, this](auto& target) {
            if (swatch == BrushShape)
                target.BrushColor = color;
            else if (swatch == PenShape)
                target.PenColor = color;
            else
                target.TransColor = color;
        };
        ApplyPanelChange(set, set, swatch != TransShape);
        return;
    }
    UpdateControls();
}

void TMainForm::CheckClick(QCheckBox* check) {
    const bool brush = check == BrushCheck;
    const bool ticked = check->isChecked();
    const auto set = [brush, ticked](auto& target) {
        if (brush)
            target.BrushShow = ticked;
        else
            target.PenShow = ticked;
    };
    ApplyPanelChange(set, set, false);
}

// While a track bar moves only its label follows; the property changes at the end of the change.
void TMainForm::PenWidthTrackChange(int position) {
    PenWidthLabel->setText(PenWidthText(position));
}

void TMainForm::PenWidthTrackEndChange() {
    const int width = PenWidthTrack->value();
    const auto set = [width](auto& target) { target.PenWidth = width; };
    ApplyPanelChange(set, set, true);
}

void TMainForm::TransTrackChange(int position) {
    TransLabel->setText(TransText(position));
}

void TMainForm::TransTrackEndChange() {
    const Extended trans = TransTrack->value();
    const auto set = [trans](auto& target) { target.Trans = trans; };
    ApplyPanelChange(set, set, false);
}

void TMainForm::FontNameComboChange(const QString& text) {
    const auto set = [&text](auto& target) { target.FontName = text; };
    ApplyPanelChange(set, set, true);
}

void TMainForm::FontSizeComboChange(const QString& text) {
    // New digits are typed into an emptied box; whether it stays empty is checked at the end.
    if (text.trimmed().isEmpty())
        return;
    int size = 0;
    if (!ParseFontSize(text, size)) {
        RejectFontSize(text);
        return;
    }
    const auto set = [size](auto& target) { target.FontSize = size; };
    ApplyPanelChange(set, set, true);
}

void TMainForm::FontSizeComboExit() {
    const QString text = FontSizeCombo->currentText();
    int size = 0;
    if (!ParseFontSize(text, size))
        RejectFontSize(text);
}

void TMainForm::RejectFontSize(const QString& text) {
    // The old size is back before the message takes the focus, so that focus loss finds a
    // valid size and reports nothing more.
    SetBoxText(FontSizeCombo, QString::number(PanelProps().FontSize));
    FDialogs->Error(this, QStringLiteral("Fehler"),
                    QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
}

void TMainForm::FontStyleSpeedClick() {
    const std::uint8_t style = (FontBoldSpeed->isChecked() ? fsBold : 0) |
                               (FontItalicSpeed->isChecked() ? fsItalic : 0) |
                               (FontUnderlineSpeed->isChecked() ? fsUnderline : 0);
    const auto set = [style](auto& target) { target.FontStyle = style; };
    ApplyPanelChange(set, set, true);
}

void TMainForm::MaskComboChange(int index) {
    const auto set = [index](auto& target) { target.Mask = index; };
    ApplyPanelChange(set, set, false);
    BufferedScrollTable1->setFocus();
}
