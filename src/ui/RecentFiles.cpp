#include "ui/RecentFiles.h"

#include "core/model/DeviceWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

void TRecentFiles::Add(const QString& fileName) {
    if (!FNames.contains(fileName, Qt::CaseInsensitive))
        FNames.append(fileName);
    if (FNames.size() > Capacity)
        FNames.removeFirst();
}

QStringList TRecentFiles::Existing() {
    FNames.erase(std::remove_if(FNames.begin(), FNames.end(),
                                [](const QString& name) { return !QFileInfo::exists(name); }),
                 FNames.end());
    return FNames;
}

void TRecentFiles::Load(const QString& listFile) {
    FNames.clear();
    QFile file(listFile);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Bounded, so a stray huge file cannot stall the start.
    const QByteArray content = file.read(1 << 20);
    for (QByteArray line : content.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString name = utf8(line);
        if (!utf8.hasError() && !name.isEmpty())
            Add(name);
    }
}

bool TRecentFiles::Save(const QString& listFile) const {
    QByteArray lines;
    for (const QString& name : FNames)
        lines += name.toUtf8() + "\r\n";
    QString reason;
    return ReplaceFile(listFile, lines, reason);
}
