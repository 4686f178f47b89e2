#pragma once

#include <QObject>
#include <QString>

class QWidget;
class TDialogService;

// What ties the editor to the desktop: the user guide, the about dialog and making this program
// the one that opens project files.
class TDesktopCommands : public QObject {
    Q_OBJECT
public:
    TDesktopCommands(TDialogService& dialogs, QWidget* window);

    void ContentAction1Execute();
    void AboutAction1Execute();
    // Registers the project file type for this user, or removes the registration.
    void StatusBar1DblClick();

    // What a double-click on the status bar will do now.
    static QString StatusBarHint();

private:
    TDialogService& FDialogs;
    QWidget* FWindow;
};
