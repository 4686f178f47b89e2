#include "ui/QtTranslations.h"

#include <QLibraryInfo>
#include <QLocale>

std::unique_ptr<QTranslator> GermanQtTranslator() {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}
