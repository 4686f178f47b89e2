#pragma once

#include "core/export/VideoWriter.h"
#include "core/text/ResStr.h"

#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;

// The fixed dialog "Videokomprimierung": the encoders the container can take, with quality,
// key-frame interval and data rate, each field open only when the chosen encoder listens to it.
// "Ok" (default, Enter) accepts; "Abbruch", Escape or the close box cancel.
class TCompressionForm : public QDialog {
    Q_OBJECT
public:
    explicit TCompressionForm(TVideoContainer container, QWidget* parent = nullptr);

    // Selects the encoder named in options, or the first one offered when it is not among them.
    void FillFrom(const TVideoOptions& options);
    // The choice as the dialog shows it; no encoder when none is offered.
    TVideoOptions Options() const;

    // Shows the dialog modally, centred on the screen, filled from options. On "Ok" returns true
    // with options taken from the dialog; otherwise false, options as they were.
    bool Execute(TVideoOptions& options);

private:
    QLabel* AddLabel(TText text, const char* name, QWidget* buddy);
    QSpinBox* AddSpin(const char* name, int x, int y, int width, int highest);
    void UpdateControls();

    std::vector<TVideoCodec> FCodecs;
    QListWidget* CodecList = nullptr;
    QSlider* QualitySlider = nullptr;
    QSpinBox* QualitySpin = nullptr;
    QSpinBox* KeyFrameSpin = nullptr;
    QSpinBox* DataRateSpin = nullptr;
    QLabel* QualityLabel = nullptr;
    QLabel* KeyFrameLabel = nullptr;
    QLabel* DataRateLabel = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

// One use of the dialog, created and freed here.
bool ChooseVideoCodec(QWidget* parent, TVideoContainer container, TVideoOptions& options);
