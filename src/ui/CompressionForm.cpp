#include "ui/CompressionForm.h"
#include "ui/DialogButton.h"

#include "core/text/CommonTexts.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>

namespace {
constexpr int kClientWidth = 329;
constexpr int kClientHeight = 287;
constexpr int kMargin = 8;
constexpr int kFieldLeft = 112;
constexpr int kRowHeight = 23;
constexpr int kSpinWidth = 56;
constexpr int kWideSpinWidth = 130;
constexpr int kQualityTop = 140;
constexpr int kKeyFrameTop = 172;
constexpr int kDataRateTop = 204;
constexpr int kMaxQuality = 100;
constexpr int kMaxKeyFrameInterval = 9999;
// 100 Mbit/s, beyond what any of the offered encoders is asked for at these frame sizes.
constexpr int kMaxDataRate = 100000;
// 0 in the key-frame and data-rate fields.
constexpr TText kAutomatic{20714, "automatisch"};

// The encoder's caption in the interface language. Core names the encoders in German; captions
// that are only format names read the same in English and come from there unchanged.
QString CodecCaption(const TVideoCodec& codec) {
    if (codec.Name == QLatin1String("rawvideo"))
        return ResStr(20717, "Unkomprimiert");
    if (codec.Name == QLatin1String("ffv1"))
        return ResStr(20718, "FFV1 (verlustfrei)");
    return codec.Caption;
}
} // namespace

TCompressionForm::TCompressionForm(TVideoContainer container, QWidget* parent)
    : QDialog(parent), FCodecs(AvailableVideoCodecs(container)), CodecList(new QListWidget(this)),
      OkButton(NewDialogButton(this, kOkText, 164, kClientHeight - 33, "OkButton")),
      CancelButton(NewDialogButton(this, kCancelText, 246, kClientHeight - 33, "CancelButton")) {
    BindTitle(this, {20710, "Videokomprimierung"});
    setFixedSize(kClientWidth, kClientHeight);
    CodecList->setObjectName(QStringLiteral("CodecList"));
    CodecList->setGeometry(kMargin, 26, kClientWidth - 2 * kMargin, 104);
    CodecList->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const TVideoCodec& codec : FCodecs)
        CodecList->addItem(CodecCaption(codec));
    OnLanguageChange(CodecList, [this] {
        for (int i = 0; i < CodecList->count(); ++i)
            CodecList->item(i)->setText(CodecCaption(FCodecs[static_cast<std::size_t>(i)]));
    });
    auto* codecLabel = new QLabel(this);
    BindText(codecLabel, {20711, "Komprimierung:"});
    codecLabel->setObjectName(QStringLiteral("CodecLabel"));
    codecLabel->setGeometry(kMargin, 8, kClientWidth - 2 * kMargin, 16);
    codecLabel->setBuddy(CodecList);

    QualitySlider = new QSlider(Qt::Horizontal, this);
    QualitySlider->setObjectName(QStringLiteral("QualitySlider"));
    QualitySlider->setRange(0, kMaxQuality);
    QualitySlider->setPageStep(10);
    QualitySlider->setGeometry(kFieldLeft, kQualityTop,
                               kClientWidth - kMargin - kSpinWidth - 8 - kFieldLeft, kRowHeight);
    QualitySpin = AddSpin("QualitySpin", kClientWidth - kMargin - kSpinWidth, kQualityTop,
                          kSpinWidth, kMaxQuality);
    QualityLabel = AddLabel({20712, "Qualität:"}, "QualityLabel", QualitySlider);
    KeyFrameSpin =
        AddSpin("KeyFrameSpin", kFieldLeft, kKeyFrameTop, kWideSpinWidth, kMaxKeyFrameInterval);
    KeyFrameLabel = AddLabel({20715, "Keyframe alle:"}, "KeyFrameLabel", KeyFrameSpin);
    DataRateSpin = AddSpin("DataRateSpin", kFieldLeft, kDataRateTop, kWideSpinWidth, kMaxDataRate);
    DataRateSpin->setSuffix(QStringLiteral(" kbit/s"));
    DataRateLabel = AddLabel({20716, "Datenrate:"}, "DataRateLabel", DataRateSpin);
    // 0 leaves the interval, and the rate, to the encoder.
    OnLanguageChange(this, [this] {
        KeyFrameSpin->setSuffix(ResStr(20713, " Frames"));
        KeyFrameSpin->setSpecialValueText(ResStr(kAutomatic));
        DataRateSpin->setSpecialValueText(ResStr(kAutomatic));
    });

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(kMargin, kClientHeight - 45, kClientWidth - 2 * kMargin, 2);
    OkButton->setDefault(true);

    connect(QualitySlider, &QSlider::valueChanged, QualitySpin, &QSpinBox::setValue);
    connect(QualitySpin, &QSpinBox::valueChanged, QualitySlider, &QSlider::setValue);
    connect(CodecList, &QListWidget::currentRowChanged, this, &TCompressionForm::UpdateControls);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    FillFrom(TVideoOptions());
}

QLabel* TCompressionForm::AddLabel(TText text, const char* name, QWidget* buddy) {
    auto* label = new QLabel(this);
    BindText(label, text);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(kMargin, buddy->y(), kFieldLeft - kMargin - 4, kRowHeight);
    label->setBuddy(buddy);
    return label;
}

QSpinBox* TCompressionForm::AddSpin(const char* name, int x, int y, int width, int highest) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(0, highest);
    spin->setGeometry(x, y, width, kRowHeight);
    return spin;
}

void TCompressionForm::FillFrom(const TVideoOptions& options) {
    int row = 0;
    for (int i = 0; i < static_cast<int>(FCodecs.size()); ++i)
        if (FCodecs[i].Name == options.Codec)
            row = i;
    CodecList->setCurrentRow(FCodecs.empty() ? -1 : row);
    QualitySpin->setValue(options.Quality);
    KeyFrameSpin->setValue(options.KeyFrameInterval);
    DataRateSpin->setValue(options.DataRate);
    UpdateControls();
}

TVideoOptions TCompressionForm::Options() const {
    TVideoOptions options;
    const int row = CodecList->currentRow();
    if (row >= 0 && row < static_cast<int>(FCodecs.size()))
        options.Codec = FCodecs[row].Name;
    options.Quality = QualitySpin->value();
    options.KeyFrameInterval = KeyFrameSpin->value();
    options.DataRate = DataRateSpin->value();
    return options;
}

void TCompressionForm::UpdateControls() {
    const int row = CodecList->currentRow();
    const bool chosen = row >= 0 && row < static_cast<int>(FCodecs.size());
    const TVideoCodec codec = chosen ? FCodecs[row] : TVideoCodec();
    for (QWidget* control :
         {static_cast<QWidget*>(QualityLabel), static_cast<QWidget*>(QualitySlider),
          static_cast<QWidget*>(QualitySpin)})
        control->setEnabled(codec.UsesQuality);
    KeyFrameLabel->setEnabled(codec.UsesKeyFrameInterval);
    KeyFrameSpin->setEnabled(codec.UsesKeyFrameInterval);
    DataRateLabel->setEnabled(codec.UsesDataRate);
    DataRateSpin->setEnabled(codec.UsesDataRate);
    // Without an encoder there is nothing to accept.
    OkButton->setEnabled(chosen);
}

bool TCompressionForm::Execute(TVideoOptions& options) {
    FillFrom(options);
    CodecList->setFocus();
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    options = Options();
    return true;
}

bool ChooseVideoCodec(QWidget* parent, TVideoContainer container, TVideoOptions& options) {
    TCompressionForm form(container, parent);
    return form.Execute(options);
}
