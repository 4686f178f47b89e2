#include "support/TestMain.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifdef KELVRO_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

namespace {
QTemporaryDir* scratch = nullptr;
}

QString TestScratchFolder() {
    return scratch->path();
}

int main(int argc, char** argv) {
    // Tests never need a display, even when started by hand.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    scratch = &dir;
    // Keep every test away from the user's real settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    // CI runs as root without a session; give the platform a private runtime folder.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
