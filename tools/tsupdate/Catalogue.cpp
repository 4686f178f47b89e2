#include "Catalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
void ReadMessage(QXmlStreamReader& xml, const QString& context, TCatalogue& catalogue) {
    const int id = xml.attributes().value(QStringLiteral("id")).toInt();
    TCatalogueEntry entry;
    entry.Context = context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            entry.Source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entry.Finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            entry.Translation = xml.readElementText();
        } else {
            xml.skipCurrentElement();
        }
    }
    catalogue.Entries.insert(id, entry);
}

void ReadContext(QXmlStreamReader& xml, TCatalogue& catalogue) {
    QString name;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name"))
            name = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            ReadMessage(xml, name, catalogue);
        else
            xml.skipCurrentElement();
    }
}

QSet<QString> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found.insert(m.captured());
    return found;
}
} // namespace

bool ReadCatalogue(const QString& path, TCatalogue& catalogue, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        error = QStringLiteral("not a translation catalogue");
        return false;
    }
    catalogue.Language = xml.attributes().value(QStringLiteral("language")).toString();
    catalogue.SourceLanguage = xml.attributes().value(QStringLiteral("sourcelanguage")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("context"))
            ReadContext(xml, catalogue);
        else
            xml.skipCurrentElement();
    }
    if (xml.hasError()) {
        error = xml.errorString();
        return false;
    }
    return true;
}

TCatalogue UpdatedCatalogue(const TCatalogue& old, const QMap<int, TSourceText>& texts) {
    TCatalogue updated{old.Language, old.SourceLanguage, {}};
    for (auto text = texts.constBegin(); text != texts.constEnd(); ++text) {
        TCatalogueEntry entry{text->Context, text->German, {}, false};
        const auto known = old.Entries.constFind(text.key());
        if (known != old.Entries.constEnd()) {
            // A changed German text keeps its old translation only as a suggestion.
            entry.Translation = known->Translation;
            entry.Finished = known->Finished && known->Source == text->German;
        }
        updated.Entries.insert(text.key(), entry);
    }
    return updated;
}

QStringList OpenWork(const TCatalogue& catalogue) {
    QStringList work;
    for (auto entry = catalogue.Entries.constBegin(); entry != catalogue.Entries.constEnd();
         ++entry) {
        if (!entry->Finished || entry->Translation.isEmpty())
            work << QStringLiteral("%1 \"%2\": not translated").arg(entry.key()).arg(entry->Source);
        else if (Placeholders(entry->Source) != Placeholders(entry->Translation))
            work << QStringLiteral("%1 \"%2\": placeholders differ in \"%3\"")
                        .arg(entry.key())
                        .arg(entry->Source, entry->Translation);
    }
    return work;
}

QByteArray CatalogueXml(const TCatalogue& catalogue) {
    QMap<QString, QList<int>> contexts;
    for (auto entry = catalogue.Entries.constBegin(); entry != catalogue.Entries.constEnd();
         ++entry)
        contexts[entry->Context] << entry.key();
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    xml.writeAttribute(QStringLiteral("language"), catalogue.Language);
    xml.writeAttribute(QStringLiteral("sourcelanguage"), catalogue.SourceLanguage);
    for (auto context = contexts.constBegin(); context != contexts.constEnd(); ++context) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), context.key());
        for (const int id : context.value()) {
            const TCatalogueEntry& entry = catalogue.Entries[id];
            xml.writeStartElement(QStringLiteral("message"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(id));
            xml.writeTextElement(QStringLiteral("source"), entry.Source);
            xml.writeStartElement(QStringLiteral("translation"));
            if (!entry.Finished)
                xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
            xml.writeCharacters(entry.Translation);
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}
