#include "core/io/RecoveryStore.h"

#include "core/model/DeviceWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <atomic>

namespace {
const QString kUntitled = QStringLiteral("Unbenannt");
const QString kDamagedFolder = QStringLiteral("Beschädigt");

QString NextOwner() {
    static std::atomic<int> windows{0};
    return QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++windows);
}

QString LockName(const QString& folder, const QString& owner) {
    return QDir(folder).filePath(owner + QStringLiteral(".lock"));
}

// "<project or Unbenannt>-<owner>", without characters that could leave the folder.
QString CopyBase(const QString& projectFile, const QString& owner) {
    QString name = projectFile.isEmpty() ? kUntitled : QFileInfo(projectFile).completeBaseName();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return name + QLatin1Char('-') + owner;
}

QByteArray Description(const QString& projectFile, const QString& owner) {
    return QJsonDocument(QJsonObject{
                             {QStringLiteral("project"), projectFile},
                             {QStringLiteral("owner"), owner},
                             {QStringLiteral("written"),
                              QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
                         })
        .toJson();
}

void RemovePair(const QString& base) {
    QFile::remove(base + QStringLiteral(".kvp"));
    QFile::remove(base + QStringLiteral(".json"));
}

// The writer is gone when its lock can be taken; a lock is taken over only from a dead process.
bool OwnerGone(const QString& folder, const QString& owner) {
    QLockFile lock(LockName(folder, owner));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return false;
    lock.unlock();
    return true;
}

TRecoveryCopy ReadCopy(const QString& infoFile, QString& owner) {
    TRecoveryCopy copy;
    copy.InfoFile = infoFile;
    copy.CopyFile = infoFile.chopped(5) + QStringLiteral(".kvp");
    QFile file(infoFile);
    const QJsonObject info = file.open(QIODevice::ReadOnly)
                                 ? QJsonDocument::fromJson(file.read(1 << 16)).object()
                                 : QJsonObject();
    owner = info.value(QStringLiteral("owner")).toString();
    copy.ProjectFile = info.value(QStringLiteral("project")).toString();
    copy.Written =
        QDateTime::fromString(info.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
    copy.Damaged = owner.isEmpty() || !copy.Written.isValid() || !QFileInfo(copy.CopyFile).isFile();
    if (copy.Damaged)
        copy.Written = QFileInfo(infoFile).lastModified();
    return copy;
}
} // namespace

TRecoveryStore::TRecoveryStore(QString folder) : FFolder(std::move(folder)), FOwner(NextOwner()) {
    FWriter.setMaxThreadCount(1);
    if (!QDir().mkpath(FFolder))
        return;
    FLock = std::make_unique<QLockFile>(LockName(FFolder, FOwner));
    if (!FLock->tryLock(0))
        FLock.reset();
}

TRecoveryStore::~TRecoveryStore() {
    WaitForWrites();
}

bool TRecoveryStore::IsUsable() const {
    return FLock != nullptr;
}

void TRecoveryStore::Write(QByteArray bytes, const QString& projectFile) {
    if (!IsUsable())
        return;
    const QString base = QDir(FFolder).filePath(CopyBase(projectFile, FOwner));
    const QString previous = FCopyBase == base ? QString() : FCopyBase;
    FCopyBase = base;
    const QByteArray description = Description(projectFile, FOwner);
    FWriter.start([base, previous, bytes = std::move(bytes), description] {
        QString reason;
        // The description follows the copy, so one that exists always names a whole copy.
        if (!ReplaceFile(base + QStringLiteral(".kvp"), bytes, reason) ||
            !ReplaceFile(base + QStringLiteral(".json"), description, reason))
            return;
        if (!previous.isEmpty())
            RemovePair(previous);
    });
}

void TRecoveryStore::Remove() {
    WaitForWrites();
    if (!FCopyBase.isEmpty())
        RemovePair(FCopyBase);
    FCopyBase.clear();
}

void TRecoveryStore::WaitForWrites() {
    FWriter.waitForDone();
}

QString TRecoveryStore::CopyFile() const {
    return FCopyBase.isEmpty() ? QString() : FCopyBase + QStringLiteral(".kvp");
}

std::vector<TRecoveryCopy> TRecoveryStore::Orphans(const QString& folder) {
    std::vector<TRecoveryCopy> orphans;
    const QFileInfoList infos =
        QDir(folder).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : infos) {
        QString owner;
        TRecoveryCopy copy = ReadCopy(info.filePath(), owner);
        if (copy.Damaged || OwnerGone(folder, owner))
            orphans.push_back(std::move(copy));
    }
    std::stable_sort(
        orphans.begin(), orphans.end(),
        [](const TRecoveryCopy& a, const TRecoveryCopy& b) { return a.Written < b.Written; });
    return orphans;
}

void TRecoveryStore::Discard(const TRecoveryCopy& copy) {
    QFile::remove(copy.CopyFile);
    QFile::remove(copy.InfoFile);
}

QString TRecoveryStore::SetAside(const TRecoveryCopy& copy) {
    const QDir folder(QFileInfo(copy.InfoFile).absolutePath());
    const QString aside = folder.filePath(kDamagedFolder);
    QDir().mkpath(aside);
    for (const QString& file : {copy.CopyFile, copy.InfoFile}) {
        const QString target = QDir(aside).filePath(QFileInfo(file).fileName());
        QFile::remove(target);
        QFile::rename(file, target);
    }
    return aside;
}
