#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every modal question of the editor goes through this service, so tests can answer them.
class TDialogService {
public:
    virtual ~TDialogService() = default;

    virtual QMessageBox::StandardButton Question(QWidget* parent, const QString& title,
                                                 const QString& text,
                                                 QMessageBox::StandardButtons buttons) = 0;
    virtual void Error(QWidget* parent, const QString& title, const QString& text) = 0;
    // A file to open (must exist) or empty when cancelled; filter in Qt's syntax.
    virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
    // A file to save to (overwriting confirmed) or empty when cancelled.
    virtual QString SaveFileName(QWidget* parent, const QString& preset, const QString& filter) = 0;
};

// The real dialogs.
class TWidgetDialogService : public TDialogService {
public:
    QMessageBox::StandardButton Question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons) override;
    void Error(QWidget* parent, const QString& title, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& preset, const QString& filter) override;
};
