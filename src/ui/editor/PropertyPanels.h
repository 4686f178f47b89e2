#pragma once

#include "core/model/Types.h"

#include <QObject>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QToolButton;
class QWidget;
class TCanvasPart;
class TColorSwatch;
class TDialogService;
class TEditorState;
class TTrackBar;
struct TPanelDefaults;

// The colour, opacity, font and mask panels. A change goes to the selected object as one
// undoable step, or to the panel defaults when nothing is selected.
class TPropertyPanels : public QObject {
    Q_OBJECT
public:
    TPropertyPanels(TEditorState& state, TDialogService& dialogs, TCanvasPart& canvas,
                    QWidget* window);

    // Fills the four panels' content areas.
    void CreatePropertyPanels(QWidget* colour, QWidget* trans, QWidget* font, QWidget* mask);
    // Shows the selected object's properties, or what a new object would take; only colours
    // and opacity may change outside the master frame.
    void SyncPropertyPanels(bool master);

private:
    void CreateColorPanel(QWidget* content);
    void CreateTransPanel(QWidget* content);
    void CreateFontPanel(QWidget* content);
    void CreateMaskPanel(QWidget* content);

    TProps PanelProps() const;
    void ApplyPanelChange(const std::function<void(TProps&)>& toObject,
                          const std::function<void(TPanelDefaults&)>& toDefaults, bool toCanvas);
    void ShapeMouseDown(TColorSwatch* swatch);
    void CheckClick(QCheckBox* check);
    void PenWidthTrackChange(int position);
    void PenWidthTrackEndChange();
    void TransTrackChange(int position);
    void TransTrackEndChange();
    void FontNameComboChange(const QString& text);
    void FontSizeComboChange(const QString& text);
    void FontSizeComboExit();
    // Reports text as no valid size and shows the current size again.
    void RejectFontSize(const QString& text);
    void FontStyleSpeedClick();
    void MaskComboChange(int index);

    TEditorState& FState;
    TDialogService& FDialogs;
    TCanvasPart& FCanvas;
    QWidget* FWindow;
    TColorSwatch* BrushShape = nullptr;
    QCheckBox* BrushCheck = nullptr;
    TColorSwatch* PenShape = nullptr;
    QCheckBox* PenCheck = nullptr;
    TTrackBar* PenWidthTrack = nullptr;
    QLabel* PenWidthLabel = nullptr;
    TColorSwatch* TransShape = nullptr;
    TTrackBar* TransTrack = nullptr;
    QLabel* TransLabel = nullptr;
    QComboBox* FontNameCombo = nullptr;
    QComboBox* FontSizeCombo = nullptr;
    QToolButton* FontBoldSpeed = nullptr;
    QToolButton* FontItalicSpeed = nullptr;
    QToolButton* FontUnderlineSpeed = nullptr;
    QComboBox* MaskCombo = nullptr;
};
