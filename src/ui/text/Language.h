#pragma once

#include <QObject>
#include <QTranslator>
#include <memory>

// The languages the interface speaks. German is built in; English comes from a catalogue.
enum class TUiLanguage { German, English };

// The language a stored QLocale::Language number stands for: English stays English, every other
// language gets the German interface.
TUiLanguage UiLanguageOf(int localeLanguage);
int LocaleLanguageOf(TUiLanguage language);

// The language kept in the settings; on a first start the system's (English, else German).
TUiLanguage StoredUiLanguage();
void StoreUiLanguage(TUiLanguage language);

// Installs the translators of the chosen language, the program's own and Qt's, and tells every
// text binding to show its text anew.
class TLanguageSwitch : public QObject {
    Q_OBJECT
public:
    static TLanguageSwitch& Instance();

    TUiLanguage Current() const { return FCurrent; }
    void Apply(TUiLanguage language);

signals:
    void Changed();

private:
    TLanguageSwitch() = default;

    TUiLanguage FCurrent = TUiLanguage::German;
    std::unique_ptr<QTranslator> FProgramTexts;
    std::unique_ptr<QTranslator> FQtTexts;
};
