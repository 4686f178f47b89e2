#include "ui/editor/PropertyPanels.h"
#include "core/edit/FrameEdit.h"
#include "core/text/CommonTexts.h"
#include "ui/ColorSwatch.h"
#include "ui/DialogService.h"
#include "ui/TrackBar.h"
#include "ui/editor/CanvasPart.h"
#include "ui/editor/EditorState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace {
constexpr int kMaskTypes = 5;

// Sets the text of an editable box only when it differs, so the caret of a box being typed in
// stays where it is.
void SetBoxText(QComboBox* box, const QString& text) {
    if (box->currentText() == text)
        return;
    const QSignalBlocker blocker(box);
    box->setEditText(text);
}

QString PenWidthText(int position) {
    return ResStr(22103, "Stiftbreite %1").arg(position);
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

TProps TPropertyPanels::PanelProps() const {
    return FState.FTypesObject ? FState.FTypesObject->GetProps()
                               : NewObjectProps(FState.Settings.Defaults);
}

void TPropertyPanels::SyncPropertyPanels(bool master) {
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

void TPropertyPanels::ApplyPanelChange(const std::function<void(TProps&)>& toObject,
                                       const std::function<void(TPanelDefaults&)>& toDefaults,
                                       bool toCanvas) {
    FCanvas.EndMultiSelection();
    if (FState.FTypesObject) {
        TProps props = FState.FTypesObject->GetProps();
        toObject(props);
        // An unchanged value is no step to undo.
        if (!(props == FState.FTypesObject->GetProps())) {
            TFrameEdit(FState.Project).Change(*FState.FTypesObject, [&props](TTypesObject& o) {
                o.ChangeProps(props, true);
            });
        }
    } else {
        toDefaults(FState.Settings.Defaults);
        if (toCanvas)
            FCanvas.ApplyDefaultsToCanvas();
    }
    FState.Notify(TChange::Selection);
}

void TPropertyPanels::ShapeMouseDown(TColorSwatch* swatch) {
    FCanvas.EndMultiSelection();
    TColor color = swatch->Color();
    if (FDialogs.ChooseColor(FWindow, color)) {
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
    FState.Notify(TChange::Selection);
}

void TPropertyPanels::CheckClick(QCheckBox* check) {
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
void TPropertyPanels::PenWidthTrackChange(int position) {
    PenWidthLabel->setText(PenWidthText(position));
}

void TPropertyPanels::PenWidthTrackEndChange() {
    const int width = PenWidthTrack->value();
    const auto set = [width](auto& target) { target.PenWidth = width; };
    ApplyPanelChange(set, set, true);
}

void TPropertyPanels::TransTrackChange(int position) {
    TransLabel->setText(TransText(position));
}

void TPropertyPanels::TransTrackEndChange() {
    const Extended trans = TransTrack->value();
    const auto set = [trans](auto& target) { target.Trans = trans; };
    ApplyPanelChange(set, set, false);
}

void TPropertyPanels::FontNameComboChange(const QString& text) {
    const auto set = [&text](auto& target) { target.FontName = text; };
    ApplyPanelChange(set, set, true);
}

void TPropertyPanels::FontSizeComboChange(const QString& text) {
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

void TPropertyPanels::FontSizeComboExit() {
    const QString text = FontSizeCombo->currentText();
    int size = 0;
    if (!ParseFontSize(text, size))
        RejectFontSize(text);
}

void TPropertyPanels::RejectFontSize(const QString& text) {
    // The old size is back before the message takes the focus, so that focus loss finds a
    // valid size and reports nothing more.
    SetBoxText(FontSizeCombo, QString::number(PanelProps().FontSize));
    FDialogs.Error(FWindow, ResStr(kErrorCaption),
                   ResStr(22130, "'%1' ist kein gültiger Integerwert").arg(text));
}

void TPropertyPanels::FontStyleSpeedClick() {
    const std::uint8_t style = (FontBoldSpeed->isChecked() ? fsBold : 0) |
                               (FontItalicSpeed->isChecked() ? fsItalic : 0) |
                               (FontUnderlineSpeed->isChecked() ? fsUnderline : 0);
    const auto set = [style](auto& target) { target.FontStyle = style; };
    ApplyPanelChange(set, set, true);
}

void TPropertyPanels::MaskComboChange(int index) {
    const auto set = [index](auto& target) { target.Mask = index; };
    ApplyPanelChange(set, set, false);
    FCanvas.Focus();
}
