#include "core/export/PartFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cstdio>

QString OpenPartFile(const QString& target, QFile& file) {
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    // Shortened, so that a target name near the system's limit still leaves room.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = folder.filePath(
            QStringLiteral(".%1.%2.part")
                .arg(info.fileName().left(40))
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        file.setFileName(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        if (file.error() != QFileDevice::OpenError || !folder.exists())
            break;
    }
    return QString();
}

bool MovePartFile(const QString& part, const QString& target) {
    return std::rename(QFile::encodeName(part).constData(),
                       QFile::encodeName(target).constData()) == 0;
}
