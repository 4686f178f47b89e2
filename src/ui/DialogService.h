#pragma once

#include "core/export/VideoWriter.h"
#include "core/model/ProjectSettings.h"
#include "core/model/Types.h"
#include "ui/SettingsStore.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

class QWidget;

// Every modal question of the editor goes through this service, so tests can answer them.
class TDialogService {
public:
    virtual ~TDialogService() = default;

    virtual QMessageBox::StandardButton Question(QWidget* parent, const QString& title,
                                                 const QString& text,
                                                 QMessageBox::StandardButtons buttons) = 0;
    virtual void Error(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void Warning(QWidget* parent, const QString& title, const QString& text) = 0;
    // An existing folder or empty when cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& title) = 0;
    // Hands a document to the desktop's viewer for its type; false when none took it.
    virtual bool OpenDocument(const QUrl& url) = 0;
    // Three answers: 0 for caption1 (left, default), 1 for caption2 (middle), 2 for caption3
    // (right, cancel).
    virtual int ShowChoiceDialog(QWidget* parent, const QString& title, const QString& text,
                                 const QString& caption1, const QString& caption3,
                                 const QString& caption2) = 0;
    // A file to open (must exist) or empty when cancelled; filter in Qt's syntax.
    virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
    // A file to save to (overwriting confirmed) or empty when cancelled.
    virtual QString SaveFileName(QWidget* parent, const QString& preset, const QString& filter) = 0;
    // A one-line text and a choice from items, preset with text and index. True on "Ok" with
    // both taken from the dialog; false on cancel, both unchanged.
    virtual bool ShowInputEx(QWidget* parent, const QString& caption, const QString& prompt,
                             const QString& listPrompt, int& index, QString& text,
                             const QStringList& items) = 0;
    // The shape picker offering the catalogue, then one item per outline of polygons, with
    // index preselected. True on "Ok" with index the selected position (-1 for none); false on
    // cancel, index unchanged.
    virtual bool ShowShapePicker(QWidget* parent, int& index,
                                 const std::vector<TPolyPointsEx>& polygons) = 0;
    // The colour chooser preset with color. True on "Ok" with color the chosen colour; false on
    // cancel, color unchanged.
    virtual bool ChooseColor(QWidget* parent, TColor& color) = 0;
    // One or two typed values preset with the texts. True on "Ok" with the texts taken from the
    // dialog; false on cancel, texts unchanged.
    virtual bool InputValue(QWidget* parent, const QString& caption, const QString& label,
                            QString& text) = 0;
    virtual bool InputValues(QWidget* parent, const QString& caption, const QString& label1,
                             const QString& label2, QString& text1, QString& text2) = 0;
    // The points of a point list in a grid (the repeated last point of a closed one hidden).
    // True on "Ok" with the edited points written back; false on cancel, points unchanged.
    virtual bool EditPoints(QWidget* parent, TPolyPointsEx& points, bool closed) = 0;
    // A plain one-line text preset with text. True on "Ok" with text as typed.
    virtual bool InputText(QWidget* parent, const QString& caption, const QString& prompt,
                           QString& text) = 0;
    // One check line per entry of lines, ticked as checked says. True on "Ok" with checked
    // holding one entry per line; false on cancel, checked unchanged.
    virtual bool ChooseGroup(QWidget* parent, const QStringList& lines,
                             std::vector<bool>& checked) = 0;
    // The encoder and its settings for a video of the container, preset with options. True on
    // "Ok" with options taken from the dialog; false on cancel, options unchanged.
    virtual bool ChooseVideoCodec(QWidget* parent, TVideoContainer container,
                                  TVideoOptions& options) = 0;
    // A file to export to (overwriting confirmed) or empty when cancelled; one filter per entry
    // in Qt's syntax, the one at filterIndex preselected. filterIndex becomes the 0-based index
    // of the filter chosen, which decides what is written whatever extension was typed.
    virtual QString SaveExportFileName(QWidget* parent, const QStringList& filters,
                                       int& filterIndex) = 0;
    // The project settings dialog under caption, filled from settings and the onion skin's
    // settings. True on "Ok" with both taken from the dialog; false on cancel, both unchanged.
    virtual bool EditProjectSettings(QWidget* parent, const QString& caption,
                                     TProjectSettings& settings, TOnionSettings& onion) = 0;
    // The recovery copy settings, preset with settings. True on "Ok" with the dialog's values.
    virtual bool EditRecoverySettings(QWidget* parent, TRecoverySettings& settings) = 0;
};

// The real dialogs.
class TWidgetDialogService : public TDialogService {
public:
    QMessageBox::StandardButton Question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons) override;
    void Error(QWidget* parent, const QString& title, const QString& text) override;
    void Warning(QWidget* parent, const QString& title, const QString& text) override;
    QString ChooseFolder(QWidget* parent, const QString& title) override;
    bool OpenDocument(const QUrl& url) override;
    int ShowChoiceDialog(QWidget* parent, const QString& title, const QString& text,
                         const QString& caption1, const QString& caption3,
                         const QString& caption2) override;
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& preset, const QString& filter) override;
    bool ShowInputEx(QWidget* parent, const QString& caption, const QString& prompt,
                     const QString& listPrompt, int& index, QString& text,
                     const QStringList& items) override;
    bool ShowShapePicker(QWidget* parent, int& index,
                         const std::vector<TPolyPointsEx>& polygons) override;
    bool ChooseColor(QWidget* parent, TColor& color) override;
    bool InputValue(QWidget* parent, const QString& caption, const QString& label,
                    QString& text) override;
    bool InputValues(QWidget* parent, const QString& caption, const QString& label1,
                     const QString& label2, QString& text1, QString& text2) override;
    bool EditPoints(QWidget* parent, TPolyPointsEx& points, bool closed) override;
    bool InputText(QWidget* parent, const QString& caption, const QString& prompt,
                   QString& text) override;
    bool ChooseGroup(QWidget* parent, const QStringList& lines,
                     std::vector<bool>& checked) override;
    bool ChooseVideoCodec(QWidget* parent, TVideoContainer container,
                          TVideoOptions& options) override;
    bool EditProjectSettings(QWidget* parent, const QString& caption, TProjectSettings& settings,
                             TOnionSettings& onion) override;
    bool EditRecoverySettings(QWidget* parent, TRecoverySettings& settings) override;
    QString SaveExportFileName(QWidget* parent, const QStringList& filters,
                               int& filterIndex) override;
};
