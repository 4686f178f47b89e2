#include "ui/desktop/FileAssociation.h"

#include "core/model/DeviceWrite.h"
#include "ui/desktop/MimeAppsList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {
constexpr int kToolTimeoutMs = 10000;

struct TInstalledFile {
    QString Resource;
    QString RelativePath;
};

// Our files below the data home, all named so they are recognisably ours.
const TInstalledFile kMimePackage{QStringLiteral(":/desktop/kelvro-project.xml"),
                                  QStringLiteral("mime/packages/kelvro.xml")};
const TInstalledFile kIcon{QStringLiteral(":/desktop/kelvro.svg"),
                           QStringLiteral("icons/hicolor/scalable/apps/kelvro.svg")};
const QString kDesktopEntryPath = QStringLiteral("applications/kelvro.desktop");

QString XdgFolder(const char* variable, const QString& fallbackBelowHome) {
    const QString value = qEnvironmentVariable(variable);
    // Relative values are invalid by the freedesktop rules and are ignored.
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::home().filePath(fallbackBelowHome);
}

QString MimeAppsFile(const TDesktopPlaces& places) {
    return QDir(places.ConfigHome).filePath(QStringLiteral("mimeapps.list"));
}

QByteArray ResourceBytes(const QString& resource) {
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& fileName, const QByteArray& content) {
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QString reason;
    return !content.isEmpty() && ReplaceFile(fileName, content, reason);
}

QByteArray DesktopEntry(const QString& executable) {
    QByteArray entry = ResourceBytes(QStringLiteral(":/desktop/kelvro.desktop.in"));
    return entry.replace("@KELVRO_EXEC@", DesktopExecCommand(executable).toUtf8());
}

bool WriteOurFiles(const QDir& dataHome, const QString& executable) {
    return WriteFile(dataHome.filePath(kMimePackage.RelativePath),
                     ResourceBytes(kMimePackage.Resource)) &&
           WriteFile(dataHome.filePath(kIcon.RelativePath), ResourceBytes(kIcon.Resource)) &&
           WriteFile(dataHome.filePath(kDesktopEntryPath), DesktopEntry(executable));
}

void RemoveOurFiles(const QDir& dataHome) {
    for (const QString& path : {kMimePackage.RelativePath, kIcon.RelativePath, kDesktopEntryPath})
        QFile::remove(dataHome.filePath(path));
}

void RunIfInstalled(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(kToolTimeoutMs);
}
} // namespace

TDesktopPlaces CurrentDesktopPlaces() {
    return {XdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share")),
            XdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"))};
}

QString DesktopExecCommand(const QString& executable) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (const QChar c : executable)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return executable;
    QString quoted;
    for (const QChar c : executable) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // Inside a desktop entry's value a backslash is itself escaped once more.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

std::optional<QString> RegisterFileType(const TDesktopPlaces& places, const QString& executable) {
    const QDir dataHome(places.DataHome);
    TMimeAppsList defaults(MimeAppsFile(places));
    const QString previous = defaults.Default(kProjectMimeType);
    if (!WriteOurFiles(dataHome, executable) ||
        !defaults.SetDefault(kProjectMimeType, kDesktopId)) {
        RemoveOurFiles(dataHome);
        return std::nullopt;
    }
    return previous;
}

void UnregisterFileType(const TDesktopPlaces& places, const QString& previous) {
    TMimeAppsList defaults(MimeAppsFile(places));
    const bool ours = defaults.Default(kProjectMimeType) == kDesktopId;
    // Someone may have chosen another program since; that choice stays.
    if (ours)
        defaults.SetDefault(kProjectMimeType, previous == kDesktopId ? QString() : previous);
    RemoveOurFiles(QDir(places.DataHome));
}

void RefreshDesktopDatabases(const TDesktopPlaces& places) {
    const QDir dataHome(places.DataHome);
    RunIfInstalled(QStringLiteral("update-mime-database"),
                   {dataHome.filePath(QStringLiteral("mime"))});
    RunIfInstalled(QStringLiteral("update-desktop-database"),
                   {dataHome.filePath(QStringLiteral("applications"))});
}
