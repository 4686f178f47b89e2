#pragma once

#include <QSettings>
#include <QTemporaryDir>
#include <QtGlobal>
#include <benchmark/benchmark.h>

// Runs the registered benchmarks under a Qt application of the given kind, headless, with
// settings kept apart from the user's own.
template <typename TApplication> int RunBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
