#include "ui/desktop/DataFolder.h"

#include "core/text/ResStr.h"
#include "ui/DialogService.h"
#include "ui/SettingsStore.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
constexpr qint64 kProbeValue = 5632;

bool IsExistingFolder(const QString& path) {
    return !path.trimmed().isEmpty() && QFileInfo(path).isDir();
}

// A new user's desktop data folder may not exist yet; it is made then.
bool IsMadeFolder(const QString& path) {
    return !path.trimmed().isEmpty() && QDir().mkpath(path);
}

QString BaseFolder(const TDataFolderBases& bases) {
    if (IsExistingFolder(bases.AppPath))
        return bases.AppPath;
    if (IsMadeFolder(bases.SystemData))
        return bases.SystemData;
    return bases.ExecutableFolder;
}

QString CreatedDataFolder(const QString& base) {
    const QString folder = DataFolderBelow(base);
    QDir().mkpath(folder);
    return folder;
}

bool WriteProbe(QTemporaryFile& probe) {
    if (!probe.open())
        return false;
    QDataStream out(&probe);
    out << kProbeValue;
    probe.resize(sizeof kProbeValue);
    probe.close();
    return out.status() == QDataStream::Ok;
}

bool ReadProbe(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream in(&file);
    qint64 value = 0;
    in >> value;
    return in.status() == QDataStream::Ok && value == kProbeValue;
}

// The folder chooser; from the second call of a start on, a warning first.
std::optional<QString> ChooseAppPath(TDialogService& dialogs, bool again) {
    if (again)
        dialogs.Warning(nullptr, QStringLiteral("Kelvro"),
                        ResStr(24080, "Bitte einen gültigen Applikationspfad wählen!"));
    const QString chosen = dialogs.ChooseFolder(nullptr, ResStr(24081, "Applikationspfad wählen"));
    if (chosen.isEmpty())
        return std::nullopt;
    StoreAppPath(chosen);
    return chosen;
}
} // namespace

TDataFolderBases CurrentDataFolderBases() {
    return {StoredAppPath(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QCoreApplication::applicationDirPath()};
}

QString DataFolderBelow(const QString& base) {
    return QDir::cleanPath(base + QStringLiteral("/Orvane/Kelvro/1.0")) + QLatin1Char('/');
}

bool IsFolderWritable(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("$XXXXXX")));
    probe.setAutoRemove(false);
    const bool written = WriteProbe(probe);
    const QString fileName = probe.fileName();
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return false;
    const bool readBack = written && ReadProbe(fileName);
    return QFile::remove(fileName) && readBack;
}

std::optional<QString> EstablishDataFolder(const TDataFolderBases& bases, TDialogService& dialogs) {
    QString folder = CreatedDataFolder(BaseFolder(bases));
    for (bool again = false; !IsFolderWritable(folder); again = true) {
        const std::optional<QString> chosen = ChooseAppPath(dialogs, again);
        if (!chosen)
            return std::nullopt;
        folder = CreatedDataFolder(*chosen);
    }
    return folder;
}
