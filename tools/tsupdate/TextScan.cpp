#include "TextScan.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
// The text of one or more adjacent C string literals, escapes resolved.
QString LiteralText(const QString& literals) {
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    QString text;
    for (const QRegularExpressionMatch& m : literal.globalMatch(literals)) {
        const QString body = m.captured(1);
        for (qsizetype i = 0; i < body.size(); ++i) {
            if (body[i] != QLatin1Char('\\') || i + 1 == body.size()) {
                text += body[i];
                continue;
            }
            const QChar escaped = body[++i];
            text += escaped == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                    : escaped == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                                                  : escaped;
        }
    }
    return text;
}

void ScanFile(const QString& path, QMap<int, TSourceText>& texts, QStringList& conflicts) {
    static const QRegularExpression pair(QStringLiteral(
        R"re((?:\bResStr\(|\{)\s*(\d{4,5})\s*,\s*((?:"(?:[^"\\\n]|\\.)*"\s*)+)[)}])re"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString source = QString::fromUtf8(file.readAll());
    const QString context = QFileInfo(path).completeBaseName();
    for (const QRegularExpressionMatch& m : pair.globalMatch(source)) {
        const int id = m.captured(1).toInt();
        const QString german = LiteralText(m.captured(2));
        const auto known = texts.constFind(id);
        if (known == texts.constEnd())
            texts.insert(id, {german, context});
        else if (known->German != german)
            conflicts << QStringLiteral("%1: \"%2\" in %3, \"%4\" in %5")
                             .arg(id)
                             .arg(known->German, known->Context, german, context);
    }
}
} // namespace

QMap<int, TSourceText> ScanSourceTexts(const QString& folder, QStringList& conflicts) {
    QStringList paths;
    QDirIterator files(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        paths << files.next();
    // The same context for a text whatever order the file system lists the files in.
    paths.sort();
    QMap<int, TSourceText> texts;
    for (const QString& path : paths)
        ScanFile(path, texts, conflicts);
    return texts;
}
