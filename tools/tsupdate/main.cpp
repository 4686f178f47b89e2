// Keeps a translation catalogue in step with the texts of the sources.
//   kelvro_tsupdate update CATALOGUE.ts SOURCE_FOLDER   rewrites the catalogue
//   kelvro_tsupdate check CATALOGUE.ts SOURCE_FOLDER    fails on anything left to do
#include "Catalogue.h"
#include "TextScan.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
int Fail(const QStringList& lines) {
    for (const QString& line : lines)
        std::fprintf(stderr, "%s\n", qPrintable(line));
    return 1;
}

int Update(const QString& path, const TCatalogue& updated) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(CatalogueXml(updated)) < 0)
        return Fail({QStringLiteral("%1: %2").arg(path, file.errorString())});
    return 0;
}

int Check(const QString& path, const TCatalogue& updated) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail({QStringLiteral("%1: %2").arg(path, file.errorString())});
    QStringList problems = OpenWork(updated);
    if (file.readAll() != CatalogueXml(updated))
        problems.prepend(QStringLiteral("%1 does not match the texts of the sources; run "
                                        "\"make translations\"")
                             .arg(QFileInfo(path).fileName()));
    return problems.isEmpty() ? 0 : Fail(problems);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const bool update = args.size() == 4 && args[1] == QLatin1String("update");
    if (args.size() != 4 || (!update && args[1] != QLatin1String("check")))
        return Fail({QStringLiteral("usage: kelvro_tsupdate update|check CATALOGUE.ts "
                                    "SOURCE_FOLDER")});
    const QString path = args[2];
    TCatalogue catalogue;
    QString error;
    if (!ReadCatalogue(path, catalogue, error))
        return Fail({QStringLiteral("%1: %2").arg(path, error)});
    QStringList conflicts;
    const TCatalogue updated = UpdatedCatalogue(catalogue, ScanSourceTexts(args[3], conflicts));
    if (!conflicts.isEmpty()) {
        conflicts.prepend(QStringLiteral("text ids used with different texts:"));
        return Fail(conflicts);
    }
    return update ? Update(path, updated) : Check(path, updated);
}
