#include "ui/desktop/MimeAppsList.h"

#include "core/model/DeviceWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <optional>
#include <utility>

namespace {
const QString kDefaultsGroup = QStringLiteral("[Default Applications]");

QStringList ReadLines(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool IsGroupHeader(const QString& line) {
    return line.trimmed().startsWith(QLatin1Char('['));
}

// The value of "key=value" when the line's key is key.
std::optional<QString> ValueOf(const QString& line, const QString& key) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0 || line.left(equals).trimmed() != key)
        return std::nullopt;
    return line.mid(equals + 1).trimmed();
}

// [first, end) of the lines of the defaults group, after its header; first = -1 when absent.
std::pair<qsizetype, qsizetype> DefaultsGroup(const QStringList& lines) {
    const qsizetype header = lines.indexOf(kDefaultsGroup);
    if (header < 0)
        return {-1, -1};
    qsizetype end = header + 1;
    while (end < lines.size() && !IsGroupHeader(lines.at(end)))
        ++end;
    return {header + 1, end};
}
} // namespace

TMimeAppsList::TMimeAppsList(QString fileName) : FFileName(std::move(fileName)) {}

QString TMimeAppsList::Default(const QString& mimeType) const {
    const QStringList lines = ReadLines(FFileName);
    const auto [first, end] = DefaultsGroup(lines);
    for (qsizetype i = first; first >= 0 && i < end; ++i)
        if (const std::optional<QString> value = ValueOf(lines.at(i), mimeType))
            return value->section(QLatin1Char(';'), 0, 0);
    return {};
}

bool TMimeAppsList::SetDefault(const QString& mimeType, const QString& desktopId) {
    QStringList lines = ReadLines(FFileName);
    auto [first, end] = DefaultsGroup(lines);
    if (first < 0) {
        lines << kDefaultsGroup;
        first = end = lines.size();
    }
    // The choice takes the place of the type's first line, or follows the group's last entry.
    qsizetype at = end;
    while (at > first && lines.at(at - 1).trimmed().isEmpty())
        --at;
    for (qsizetype i = end - 1; i >= first; --i) {
        if (ValueOf(lines.at(i), mimeType)) {
            lines.removeAt(i);
            at = i;
        }
    }
    if (!desktopId.isEmpty())
        lines.insert(at, mimeType + QLatin1Char('=') + desktopId + QLatin1Char(';'));
    QDir().mkpath(QFileInfo(FFileName).absolutePath());
    QString reason;
    return ReplaceFile(FFileName, lines.join(QLatin1Char('\n')).toUtf8() + '\n', reason);
}
