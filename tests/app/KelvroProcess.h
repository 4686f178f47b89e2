#pragma once

#include "support/TestMain.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <gtest/gtest.h>

// What one run of the real program gave.
struct TKelvroRun {
    int ExitCode = -1;
    QByteArray Out;
    QString Err;
};

// Runs the real program as a script would start it: no display, no platform chosen, and the
// test's own settings folder. program may be a copy of it elsewhere.
inline TKelvroRun RunKelvro(const QStringList& arguments,
                            const QString& program = QStringLiteral(KELVRO_EXECUTABLE)) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), TestScratchFolder());
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}
