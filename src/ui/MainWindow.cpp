#include "ui/MainWindow.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Kelvro 1.0"));
}
