#include "ui/MainWindow.h"

bool TMainForm::LoadProject(const QString&) {
    return false;
}

bool TMainForm::SaveProject(const QString&) {
    return false;
}
