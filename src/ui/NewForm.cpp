#include "ui/NewForm.h"
#include "ui/DialogButton.h"
#include "ui/DialogService.h"
#include "ui/SpinEdit.h"

#include "core/model/ProjectLimits.h"
#include "core/render/Primitives.h"
#include "core/text/CommonTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace {
constexpr int kClientWidth = 402;
constexpr int kClientHeight = 545;
constexpr int kMargin = 8;
constexpr int kLabelLeft = 16;
constexpr int kLabelWidth = 100;
constexpr int kFieldLeft = 120;
constexpr int kRight = kClientWidth - 16;
constexpr int kRowHeight = 23;
constexpr int kRowStep = 32;
constexpr int kNumberWidth = 80;
constexpr int kListWidth = 150;
constexpr int kPreviewWidth = 104;
constexpr int kAnimationTop = 232;
constexpr int kOnionTop = 392;
constexpr int kMinProjectSide = 25;
constexpr int kMinFrameCount = 5;
constexpr int kCustomSize = 0;

// Only the words are translated; the patterns decide which files are offered.
QString ImageFilter() {
    const QString jpeg = ResStr(20342, "JPEG-Grafikdatei");
    return ResStr(20340, "Alle") + QStringLiteral(" (*.png *.gif *.jpg *.jpeg *.bmp);;") +
           QStringLiteral("Portable Network Graphics (*.png);;") + ResStr(20341, "GIF-Bild") +
           QStringLiteral(" (*.gif);;") + jpeg + QStringLiteral(" (*.jpg);;") + jpeg +
           QStringLiteral(" (*.jpeg);;Bitmaps (*.bmp)");
}

int BackgroundRow(int row) {
    return 32 + row * kRowStep;
}

int AnimationRow(int row) {
    return kAnimationTop + 24 + row * kRowStep;
}

// The onion skin's fields side by side on one row.
constexpr int kOnionRow = kOnionTop + 24;

// A section heading: the text on a horizontal line across the dialog.
void AddHeading(QDialog* dialog, TText text, const char* name, int y) {
    auto* line = new QFrame(dialog);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(kMargin, y + 7, kClientWidth - 2 * kMargin, 2);
    auto* heading = new QLabel(dialog);
    heading->setObjectName(QString::fromLatin1(name));
    // Opaque, so the line stops at the text.
    heading->setAutoFillBackground(true);
    heading->move(kMargin, y);
    OnLanguageChange(heading, [heading, text] {
        heading->setText(ResStr(text));
        heading->adjustSize();
    });
}

template <typename T> T* AddControl(QDialog* dialog, const char* name, int x, int y, int width) {
    auto* control = new T(dialog);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(x, y, width, kRowHeight);
    return control;
}

TSpinEdit* AddSpinEdit(QDialog* dialog, const char* name, int y, int lowest, int highest) {
    auto* edit = new TSpinEdit(lowest, highest, dialog);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(kFieldLeft, y, kNumberWidth, kRowHeight);
    return edit;
}

QCheckBox* AddCheck(QDialog* dialog, TText text, const char* name, int y) {
    auto* check = new QCheckBox(dialog);
    BindText(check, text);
    check->setObjectName(QString::fromLatin1(name));
    check->setGeometry(kFieldLeft, y, kRight - kFieldLeft, 20);
    return check;
}
} // namespace

TNewForm::TNewForm(TDialogService& dialogs, QWidget* parent) : QDialog(parent), FDialogs(dialogs) {
    setFixedSize(kClientWidth, kClientHeight);
    AddBackgroundSection();
    AddAnimationSection();
    AddOnionSection();
    Button1 = NewDialogButton(this, kOkText, kRight - 158, kClientHeight - 33, "Button1");
    Button2 = NewDialogButton(this, kCancelText, kRight - 75, kClientHeight - 33, "Button2");
    Button1->setDefault(true);
    connect(SizeCombo, &QComboBox::currentIndexChanged, this, &TNewForm::SizeComboChange);
    connect(ColorBox, &QToolButton::clicked, this, &TNewForm::ColorBoxClick);
    connect(ImageSpeed, &QToolButton::clicked, this, &TNewForm::ImageSpeedClick);
    connect(ImageEdit, &QLineEdit::editingFinished, this, &TNewForm::ShowPreview);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    ShowColor();
    OnLanguageChange(this, [this] {
        if (FCaption.German)
            setWindowTitle(ResStr(FCaption));
    });
}

// Controls are made top to bottom, which is also the order the Tab key takes.
void TNewForm::AddBackgroundSection() {
    AddHeading(this, {20330, " Hintergrund "}, "Label1", 8);
    SizeCombo = AddControl<QComboBox>(this, "SizeCombo", kFieldLeft, BackgroundRow(0), kListWidth);
    SizeCombo->addItems({QString(), QStringLiteral("400 x 300"), QStringLiteral("800 x 600"),
                         QStringLiteral("720 x 576"), QStringLiteral("1280 x 720 "),
                         QStringLiteral("1920 x 1080 ")});
    // The presets are numbers in every language.
    OnLanguageChange(SizeCombo, [this] {
        SizeCombo->setItemText(kCustomSize, ResStr(20310, "Benutzerdefiniert"));
    });
    AddLabel({20300, "Größe:"}, "SizeLabel", SizeCombo);
    WidthUpDown =
        AddSpinEdit(this, "WidthUpDown", BackgroundRow(1), kMinProjectSide, MaxProjectSide);
    AddLabel({20301, "Breite:"}, "WidthLabel", WidthUpDown);
    HeightUpDown =
        AddSpinEdit(this, "HeightUpDown", BackgroundRow(2), kMinProjectSide, MaxProjectSide);
    AddLabel({20302, "Höhe:"}, "HeightLabel", HeightUpDown);
    ColorBox =
        AddControl<QToolButton>(this, "ColorBox", kFieldLeft, BackgroundRow(3), kNumberWidth);
    ColorBox->setIconSize({kNumberWidth - 16, kRowHeight - 10});
    AddLabel({20303, "Farbe:"}, "ColorLabel", ColorBox);
    // Beside the size and colour rows, up to the picture's own row.
    ImagePreview = new QLabel(this);
    ImagePreview->setObjectName(QStringLiteral("ImagePreview"));
    ImagePreview->setGeometry(kRight - kPreviewWidth, BackgroundRow(0), kPreviewWidth,
                              BackgroundRow(4) - BackgroundRow(0) - kMargin);
    ImagePreview->setFrameShape(QFrame::StyledPanel);
    ImagePreview->setAlignment(Qt::AlignCenter);
    ImageEdit = AddControl<QLineEdit>(this, "ImageEdit", kFieldLeft, BackgroundRow(4),
                                      kRight - kRowHeight - 4 - kFieldLeft);
    AddLabel({20306, "Bild:"}, "ImageLabel", ImageEdit);
    ImageSpeed = AddControl<QToolButton>(this, "ImageSpeed", kRight - kRowHeight, BackgroundRow(4),
                                         kRowHeight);
    ImageSpeed->setText(QStringLiteral("..."));
    TypeCombo = AddControl<QComboBox>(this, "TypeCombo", kFieldLeft, BackgroundRow(5), kListWidth);
    BindItems(TypeCombo, {{20325, "Farbe"}, {20326, "Bild"}});
    AddLabel({20307, "Typ:"}, "TypeLabel", TypeCombo);
}

void TNewForm::AddAnimationSection() {
    AddHeading(this, {20331, " Animation "}, "Label2", kAnimationTop);
    FrameCountUpDown =
        AddSpinEdit(this, "FrameCountUpDown", AnimationRow(0), kMinFrameCount, MaxFrameCount);
    AddLabel({20304, "Frameanzahl:"}, "FrameCountLabel", FrameCountUpDown);
    FramesPerSecUpDown =
        AddSpinEdit(this, "FramesPerSecUpDown", AnimationRow(1), MinFramesPerSec, MaxFramesPerSec);
    AddLabel({20305, "Frames/Sek.:"}, "FramesPerSecLabel", FramesPerSecUpDown);
    PathsCheck =
        AddCheck(this, {20333, "Bewegungspfade anzeigen"}, "PathsCheck", AnimationRow(2) + 4);
    SplinesCheck = AddCheck(this, {20334, "Splines"}, "SplinesCheck", AnimationRow(2) + 30);
}

void TNewForm::AddOnionSection() {
    AddHeading(this, {20332, " Zwiebelschale "}, "Label3", kOnionTop);
    OnionBeforeUpDown =
        AddSpinEdit(this, "OnionBeforeUpDown", kOnionRow, 0, TOnionSettings::MaxFrames);
    AddLabel({20335, "Frames davor:"}, "OnionBeforeLabel", OnionBeforeUpDown);
    OnionAfterUpDown =
        AddSpinEdit(this, "OnionAfterUpDown", kOnionRow + kRowStep, 0, TOnionSettings::MaxFrames);
    AddLabel({20336, "Frames danach:"}, "OnionAfterLabel", OnionAfterUpDown);
    OnionOpacityUpDown = AddSpinEdit(this, "OnionOpacityUpDown", kOnionRow + 2 * kRowStep, 1, 100);
    AddLabel({20337, "Deckkraft (%):"}, "OnionOpacityLabel", OnionOpacityUpDown);
}

void TNewForm::FillOnionFrom(const TOnionSettings& onion) {
    OnionBeforeUpDown->setValue(onion.Before);
    OnionAfterUpDown->setValue(onion.After);
    OnionOpacityUpDown->setValue(onion.Opacity);
}

TOnionSettings TNewForm::OnionSettings(const TOnionSettings& onion) const {
    TOnionSettings shown = onion;
    shown.Before = OnionBeforeUpDown->Number();
    shown.After = OnionAfterUpDown->Number();
    shown.Opacity = OnionOpacityUpDown->Number();
    return shown;
}

void TNewForm::AddLabel(TText text, const char* name, QWidget* buddy) {
    auto* label = new QLabel(this);
    BindText(label, text);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(kLabelLeft, buddy->y(), kLabelWidth, kRowHeight);
    label->setBuddy(buddy);
}

void TNewForm::FillFrom(const TProjectSettings& settings) {
    const QString size =
        QStringLiteral("%1 x %2").arg(settings.ProjectWidth).arg(settings.ProjectHeight);
    int preset = kCustomSize;
    for (int i = kCustomSize + 1; i < SizeCombo->count() && preset == kCustomSize; ++i)
        if (SizeCombo->itemText(i).trimmed() == size)
            preset = i;
    SizeCombo->setCurrentIndex(preset);
    WidthUpDown->setValue(settings.ProjectWidth);
    HeightUpDown->setValue(settings.ProjectHeight);
    FBackgroundColor = settings.BackgroundColor;
    ShowColor();
    ImageEdit->setText(settings.BackgroundImage);
    ShowPreview();
    // Any type but a picture is a plain colour.
    TypeCombo->setCurrentIndex(settings.BackgroundType == BackgroundTypeImage ? 1 : 0);
    FrameCountUpDown->setValue(settings.FrameCount);
    FramesPerSecUpDown->setValue(settings.FramesPerSec);
    PathsCheck->setChecked(settings.ShowPaths);
    SplinesCheck->setChecked(settings.Splines);
}

TProjectSettings TNewForm::Settings() const {
    TProjectSettings settings;
    settings.ProjectWidth = WidthUpDown->Number();
    settings.ProjectHeight = HeightUpDown->Number();
    settings.BackgroundColor = FBackgroundColor;
    settings.BackgroundImage = ImageEdit->text();
    settings.BackgroundType = TypeCombo->currentIndex();
    settings.FrameCount = FrameCountUpDown->Number();
    settings.FramesPerSec = FramesPerSecUpDown->Number();
    settings.ShowPaths = PathsCheck->isChecked();
    settings.Splines = SplinesCheck->isChecked();
    return settings;
}

bool TNewForm::Execute(const QString& caption, TProjectSettings& settings, TOnionSettings& onion) {
    // Callers name the dialog by its text; either of its own captions, in German or in the
    // language shown, keeps following the language while the dialog is open.
    for (const TText known : {kNewProjectCaption, kProjectSettingsCaption})
        if (caption == ResStr(known) || caption == QString::fromUtf8(known.German))
            return Execute(known, settings, onion);
    FCaption = {};
    setWindowTitle(caption);
    return Run(settings, onion);
}

bool TNewForm::Execute(TText caption, TProjectSettings& settings, TOnionSettings& onion) {
    FCaption = caption;
    setWindowTitle(ResStr(caption));
    return Run(settings, onion);
}

bool TNewForm::Run(TProjectSettings& settings, TOnionSettings& onion) {
    FillFrom(settings);
    FillOnionFrom(onion);
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    settings = Settings();
    onion = OnionSettings(onion);
    return true;
}

// A preset reads "width x height", perhaps with blanks around it.
void TNewForm::SizeComboChange() {
    if (SizeCombo->currentIndex() != kCustomSize) {
        const QString preset = SizeCombo->currentText().trimmed();
        const int split = preset.indexOf(QLatin1Char('x'));
        WidthUpDown->setValue(preset.left(split).trimmed().toInt());
        HeightUpDown->setValue(preset.mid(split + 1).trimmed().toInt());
    }
    EnableCustomSize();
}

void TNewForm::EnableCustomSize() {
    const bool custom = SizeCombo->currentIndex() == kCustomSize;
    WidthUpDown->setEnabled(custom);
    HeightUpDown->setEnabled(custom);
}

void TNewForm::ColorBoxClick() {
    if (FDialogs.ChooseColor(this, FBackgroundColor))
        ShowColor();
}

// The type stays as it is: the user picks "Bild" separately.
void TNewForm::ImageSpeedClick() {
    const QString chosen = FDialogs.OpenFileName(this, ImageFilter());
    if (chosen.isEmpty())
        return;
    ImageEdit->setText(chosen);
    ShowPreview();
}

void TNewForm::ShowColor() {
    QPixmap swatch(ColorBox->iconSize());
    swatch.fill(ColorToQColor(FBackgroundColor));
    QPainter painter(&swatch);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    ColorBox->setIcon(QIcon(swatch));
}

// The picture named in the edit, shrunk to fit; nothing when there is none to show.
void TNewForm::ShowPreview() {
    const QString fileName = ImageEdit->text();
    QImage picture;
    if (!QFileInfo(fileName).isFile() || !LoadImageFile(picture, fileName).Ok || picture.isNull()) {
        ImagePreview->clear();
        return;
    }
    const QSize room = ImagePreview->contentsRect().size();
    if (picture.width() > room.width() || picture.height() > room.height())
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    ImagePreview->setPixmap(QPixmap::fromImage(picture));
}
