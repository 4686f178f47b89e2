#pragma once

#include "core/model/ProjectSettings.h"
#include "core/text/ResStr.h"
#include "ui/SettingsStore.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TDialogService;
class TSpinEdit;

// The dialog's captions for the commands "Neu" and "Einstellungen".
inline constexpr TText kNewProjectCaption{20338, "Neu"};
inline constexpr TText kProjectSettingsCaption{20339, "Einstellungen"};

// The fixed dialog of the commands "Neu" and "Einstellungen": project size, background,
// frame count, frame rate, motion paths and splines. "Ok" (default) accepts; "Abbruch",
// Escape or the close box cancel.
class TNewForm : public QDialog {
    Q_OBJECT
public:
    // The colour and picture choosers are asked through dialogs.
    explicit TNewForm(TDialogService& dialogs, QWidget* parent = nullptr);

    // Selects the size preset that reads as the project's size, blanks at its ends aside, or
    // else "Benutzerdefiniert", the only choice that leaves width and height editable.
    void FillFrom(const TProjectSettings& settings);
    // The values as the dialog shows them, numbers clamped to their fields' ranges.
    TProjectSettings Settings() const;

    // Shows the dialog modally, centred on the screen, with caption and filled from settings.
    // On "Ok" returns true with settings taken from the dialog; otherwise false, settings as
    // they were.
    bool Execute(const QString& caption, TProjectSettings& settings, TOnionSettings& onion);
    // The same with a caption that follows the interface language while the dialog is open.
    bool Execute(TText caption, TProjectSettings& settings, TOnionSettings& onion);

    void FillOnionFrom(const TOnionSettings& onion);
    // The counts and opacity as shown, with the switch of onion.
    TOnionSettings OnionSettings(const TOnionSettings& onion) const;

private:
    void AddBackgroundSection();
    void AddAnimationSection();
    void AddOnionSection();
    void AddLabel(TText text, const char* name, QWidget* buddy);
    bool Run(TProjectSettings& settings, TOnionSettings& onion);
    void SizeComboChange();
    void EnableCustomSize();
    void ColorBoxClick();
    void ImageSpeedClick();
    void ShowColor();
    void ShowPreview();

    TDialogService& FDialogs;
    // The caption while it is one of the dialog's own; none for a caller's text.
    TText FCaption{0, nullptr};
    TColor FBackgroundColor = 0xFFFFFF;
    QComboBox* SizeCombo = nullptr;
    TSpinEdit* WidthUpDown = nullptr;
    TSpinEdit* HeightUpDown = nullptr;
    QToolButton* ColorBox = nullptr;
    QLineEdit* ImageEdit = nullptr;
    QToolButton* ImageSpeed = nullptr;
    QLabel* ImagePreview = nullptr;
    QComboBox* TypeCombo = nullptr;
    TSpinEdit* FrameCountUpDown = nullptr;
    TSpinEdit* FramesPerSecUpDown = nullptr;
    QCheckBox* PathsCheck = nullptr;
    QCheckBox* SplinesCheck = nullptr;
    TSpinEdit* OnionBeforeUpDown = nullptr;
    TSpinEdit* OnionAfterUpDown = nullptr;
    TSpinEdit* OnionOpacityUpDown = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
