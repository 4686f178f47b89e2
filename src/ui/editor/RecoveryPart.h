#pragma once

#include "core/io/RecoveryStore.h"
#include "ui/SettingsStore.h"

#include <QObject>
#include <QTimer>
#include <memory>

class QWidget;
class TDialogService;
class TDocumentPart;
class TEditorState;
enum class TChange : unsigned;

// Keeps a recovery copy of unsaved work in the data folder and, at start, offers the copies that
// editors which did not end normally left behind.
class TRecoveryPart : public QObject {
    Q_OBJECT
public:
    // No data folder: no copies.
    TRecoveryPart(TEditorState& state, TDocumentPart& document, TDialogService& dialogs,
                  QWidget* window, const QString& dataFolder);
    // A normal end: the copy goes.
    ~TRecoveryPart() override;

    // Asks about each copy left behind; true when one was restored into the window.
    bool OfferLeftCopies();
    void RecoveryAction1Execute();

    // This window's copy, once written; empty otherwise.
    QString CopyFile() const;
    // For tests that cannot wait half a minute.
    void SetDelayForTests(int milliseconds);

private:
    void StateChanged();
    void WriteCopy();
    void RemoveIfClean();
    void ApplySettings(const TRecoverySettings& settings);
    // What the user decided for copy; true when it was restored.
    bool Offer(const TRecoveryCopy& copy);

    TEditorState& FState;
    TDocumentPart& FDocument;
    TDialogService& FDialogs;
    QWidget* FWindow;
    QString FFolder;
    std::unique_ptr<TRecoveryStore> FStore;
    TRecoverySettings FSettings;
    QTimer FDelay;
    QTimer FCleanCheck;
};
