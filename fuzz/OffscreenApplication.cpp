#include "OffscreenApplication.h"

#include <QGuiApplication>

void StartOffscreenApplication() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kelvro_fuzz";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: tearing the platform down at exit would only add noise.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    Q_UNUSED(application);
}

// Fontconfig keeps the patterns Qt's font database asked for until the process ends; LeakSanitizer
// sees them unreferenced once Qt's globals are gone and would report them after every run.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
