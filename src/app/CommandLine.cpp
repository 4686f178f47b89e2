#include "app/CommandLine.h"

#include "app/HeadlessCommands.h"
#include "core/export/VideoBackend.h"
#include "core/export/VideoWriter.h"
#include "ui/DialogService.h"
#include "ui/MainWindow.h"
#include "ui/SettingsStore.h"
#include "ui/desktop/DataFolder.h"
#include "ui/desktop/WindowPlacement.h"
#include "ui/text/Language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {
const QString kApplicationName = QStringLiteral("Kelvro");

// The encoders of this build, per kind of video file, defaults first.
QString CodecHelp() {
    QStringList lines;
    const std::array<std::pair<const char*, TVideoContainer>, 4> containers = {{
        {".avi", TVideoContainer::Avi},
        {".mp4", TVideoContainer::Mp4},
        {".webm", TVideoContainer::WebM},
        {".mkv", TVideoContainer::Mkv},
    }};
    for (const auto& [suffix, container] : containers) {
        QStringList names;
        for (const TVideoCodec& codec : AvailableVideoCodecs(container))
            names << codec.Name;
        lines << QStringLiteral("%1: %2").arg(QString::fromLatin1(suffix),
                                              names.isEmpty() ? QStringLiteral("none")
                                                              : names.join(QStringLiteral(", ")));
    }
    return QStringLiteral("Video encoder (the first listed is the default).\n") +
           lines.join(QLatin1Char('\n'));
}

// The options; the encoders are listed only for the help text, as finding them needs the video
// library, which other runs should not wait for.
struct TParser {
    QCommandLineParser Parser;
    QCommandLineOption Help = Parser.addHelpOption();
    QCommandLineOption Export{QStringLiteral("export"),
                              QStringLiteral("Render frames of PROJECT without a window into "
                                             "OUTPUT: an image series (.bmp, .png), an animated "
                                             "GIF (.gif) or a video (.avi, .mp4, .webm, .mkv)."),
                              QStringLiteral("OUTPUT")};
    QCommandLineOption FrameRange{QStringLiteral("frames"),
                                  QStringLiteral("Frames to export: FIRST-LAST or N (1-based); "
                                                 "default: the playback range."),
                                  QStringLiteral("RANGE")};
    QCommandLineOption Codec;
    QCommandLineOption Dump{QStringLiteral("dump"),
                            QStringLiteral("Print the project as JSON to stdout.")};
    QCommandLineOption Frame{QStringLiteral("frame"),
                             QStringLiteral("With --dump: only frame N (1-based), as the "
                                            "editor shows it."),
                             QStringLiteral("N")};

    explicit TParser(bool listEncoders = false)
        : Codec(QStringLiteral("codec"),
                listEncoders ? CodecHelp() : QStringLiteral("Video encoder."),
                QStringLiteral("NAME")) {
        Parser.setApplicationDescription(
            QStringLiteral("Kelvro, an editor for two-dimensional vector animation."));
        Parser.addVersionOption();
        Parser.addOptions({Export, FrameRange, Codec, Dump, Frame});
        Parser.addPositionalArgument(QStringLiteral("PROJECT"),
                                     QStringLiteral("Project file (.kvp) to open."),
                                     QStringLiteral("[PROJECT.kvp]"));
    }
};

std::optional<TCommandLine> Interpret(const TParser& p, QString& error) {
    const QCommandLineParser& parser = p.Parser;
    TCommandLine line;
    const QStringList positional = parser.positionalArguments();
    const bool exporting = parser.isSet(p.Export);
    const bool dumping = parser.isSet(p.Dump);
    // The editor opens the first file named, as a desktop launcher may pass several; a headless
    // command works on exactly one.
    if (positional.size() > 1 && (exporting || dumping)) {
        error = QStringLiteral("only one project file may be given");
        return std::nullopt;
    }
    if (!positional.isEmpty())
        line.Project = positional.first();
    if (exporting && dumping) {
        error = QStringLiteral("--export and --dump cannot be combined");
        return std::nullopt;
    }
    if (!exporting && (parser.isSet(p.FrameRange) || parser.isSet(p.Codec))) {
        error = QStringLiteral("--frames and --codec belong to --export");
        return std::nullopt;
    }
    if (!dumping && parser.isSet(p.Frame)) {
        error = QStringLiteral("--frame belongs to --dump");
        return std::nullopt;
    }
    if ((exporting || dumping) && line.Project.isEmpty()) {
        error = QStringLiteral("a project file is required");
        return std::nullopt;
    }
    if (exporting) {
        line.Mode = TCommandLine::TMode::Export;
        line.Output = parser.value(p.Export);
        line.Frames = parser.value(p.FrameRange);
        line.Codec = parser.value(p.Codec);
    }
    if (dumping) {
        line.Mode = TCommandLine::TMode::Dump;
        if (parser.isSet(p.Frame)) {
            bool ok = false;
            const int frame = parser.value(p.Frame).toInt(&ok);
            if (!ok) {
                error = QStringLiteral("--frame needs a whole number, not \"%1\"")
                            .arg(parser.value(p.Frame));
                return std::nullopt;
            }
            line.Frame = frame;
        }
    }
    return line;
}

int RunEditor(const TCommandLine& line) {
    TLanguageSwitch::Instance().Apply(StoredUiLanguage());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/kelvro.svg")));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvro"));
    TWidgetDialogService dialogs;
    const std::optional<QString> dataFolder =
        EstablishDataFolder(CurrentDataFolderBases(), dialogs);
    // Without a place for its own files the program does not start.
    if (!dataFolder)
        return 0;
    TMainForm window(&dialogs, *dataFolder);
    window.SetStartProject(line.Project);
    ShowWithPlacement(window, LoadWindowPlacement());
    // Once the event loop runs, so the window's own start does not wait for the loader; the
    // compression dialog and the export then find the video library ready.
    QTimer::singleShot(0, [] { PreloadVideoBackend(); });
    const int status = QApplication::exec();
    StoreUiLanguage(TLanguageSwitch::Instance().Current());
    SaveWindowPlacement(PlacementOf(window));
    return status;
}

// Headless runs promise one line on stderr per failure; platform chatter would break that.
void QuietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "kelvro: %s\n", qPrintable(message));
}

void SetApplicationNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationName(kApplicationName);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
}
} // namespace

std::optional<TCommandLine> ParseCommandLine(const QStringList& arguments, QString& error) {
    TParser p;
    if (!p.Parser.parse(arguments)) {
        error = p.Parser.errorText();
        return std::nullopt;
    }
    return Interpret(p, error);
}

bool IsHeadless(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--export") == 0 || std::strncmp(arg, "--export=", 9) == 0 ||
            std::strcmp(arg, "--dump") == 0 || std::strcmp(arg, "--help") == 0 ||
            std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--version") == 0 ||
            std::strcmp(arg, "-v") == 0)
            return true;
    }
    return false;
}

int RunKelvro(int argc, char** argv) {
    const bool headless = IsHeadless(argc, argv);
    // Headless work renders with QPainter, which needs a platform, but never a display.
    if (headless) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessageHandler);
    }
    std::unique_ptr<QGuiApplication> app;
    if (headless)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    SetApplicationNames();
    // The command line speaks English, the messages of reading and exporting included.
    if (headless)
        TLanguageSwitch::Instance().Apply(TUiLanguage::English);

    TParser p;
    if (p.Parser.parse(QCoreApplication::arguments()) &&
        (p.Parser.isSet(p.Help) || p.Parser.isSet(QStringLiteral("help-all"))))
        TParser(true).Parser.process(*app);
    p.Parser.process(*app);
    QString error;
    const std::optional<TCommandLine> line = Interpret(p, error);
    if (!line) {
        std::fprintf(stderr, "kelvro: %s\n", qPrintable(error));
        return 1;
    }
    // The video library loads while the project is read and the first frames render.
    if (line->Mode == TCommandLine::TMode::Export && VideoContainerOf(line->Output))
        PreloadVideoBackend();
    switch (line->Mode) {
    case TCommandLine::TMode::Export:
        return RunExportCommand(*line);
    case TCommandLine::TMode::Dump:
        return RunDumpCommand(*line);
    case TCommandLine::TMode::Editor:
        break;
    }
    return RunEditor(*line);
}
