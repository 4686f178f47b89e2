#pragma once

#include <QMainWindow>

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    void SetStartProject(const QString& fileName) { FStartProject = fileName; }

private:
    QString FStartProject;
};
