#pragma once

#include "TextScan.h"

#include <QMap>
#include <QString>
#include <QStringList>

// One entry of a translation catalogue (Qt's .ts format, messages named by id).
struct TCatalogueEntry {
    QString Context;
    QString Source;
    QString Translation;
    bool Finished = false;
};

struct TCatalogue {
    QString Language;
    QString SourceLanguage;
    QMap<int, TCatalogueEntry> Entries;
};

// Reads the catalogue; false with the reason when it cannot be read.
bool ReadCatalogue(const QString& path, TCatalogue& catalogue, QString& error);

// The catalogue for the texts the sources use now: translations of unchanged texts are kept,
// new and changed texts wait for a translation, texts no longer used are dropped.
TCatalogue UpdatedCatalogue(const TCatalogue& old, const QMap<int, TSourceText>& texts);

// What a translator still has to do, and translations whose placeholders (%1, %2 ...) differ
// from the German text's.
QStringList OpenWork(const TCatalogue& catalogue);

QByteArray CatalogueXml(const TCatalogue& catalogue);
