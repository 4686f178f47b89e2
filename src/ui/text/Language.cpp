#include "ui/text/Language.h"
#include "ui/SettingsStore.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {
QLocale LocaleOf(TUiLanguage language) {
    return language == TUiLanguage::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                            : QLocale(QLocale::German, QLocale::Germany);
}

std::unique_ptr<QTranslator> LoadedTranslator(const QLocale& locale, const QString& name,
                                              const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}
} // namespace

TUiLanguage UiLanguageOf(int localeLanguage) {
    return localeLanguage == QLocale::English ? TUiLanguage::English : TUiLanguage::German;
}

int LocaleLanguageOf(TUiLanguage language) {
    return language == TUiLanguage::English ? QLocale::English : QLocale::German;
}

TUiLanguage StoredUiLanguage() {
    return UiLanguageOf(LoadLanguage());
}

void StoreUiLanguage(TUiLanguage language) {
    SaveLanguage(LocaleLanguageOf(language));
}

TLanguageSwitch& TLanguageSwitch::Instance() {
    static TLanguageSwitch instance;
    return instance;
}

void TLanguageSwitch::Apply(TUiLanguage language) {
    FProgramTexts.reset();
    FQtTexts.reset();
    FCurrent = language;
    const QLocale locale = LocaleOf(language);
    // German is the program's own language; only other languages need its catalogue.
    if (language != TUiLanguage::German)
        FProgramTexts =
            LoadedTranslator(locale, QStringLiteral("kelvro"), QStringLiteral(":/i18n"));
    // Qt's file, colour and message dialogs, in the same language when the catalogue is installed.
    FQtTexts = LoadedTranslator(locale, QStringLiteral("qtbase"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    emit Changed();
}
