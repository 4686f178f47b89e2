#include "ModalAnswers.h"
#include "core/model/Project.h"
#include "support/ScriptedDialogs.h"
#include "ui/AboutForm.h"
#include "ui/CompressionForm.h"
#include "ui/GroupForm.h"
#include "ui/InputDataForm.h"
#include "ui/InputExForm.h"
#include "ui/InputForm.h"
#include "ui/NewForm.h"
#include "ui/RecoveryForm.h"
#include "ui/ShapePickerForm.h"
#include "ui/text/Language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using TRead = std::function<QString(QDialog&)>;

struct TShownText {
    TRead Read;
    const char* German;
    const char* English;
};

struct TDialogCase {
    const char* Name;
    std::function<std::unique_ptr<QDialog>()> Make;
    std::vector<TShownText> Texts;
};

TRead Title() {
    return [](QDialog& dialog) { return dialog.windowTitle(); };
}

template <typename T> TRead TextOf(const char* name) {
    return [name](QDialog& dialog) { return Child<T>(dialog, name).text(); };
}

TRead ComboItem(const char* name, int index) {
    return
        [name, index](QDialog& dialog) { return Child<QComboBox>(dialog, name).itemText(index); };
}

TRead ListItem(const char* name, int row) {
    return
        [name, row](QDialog& dialog) { return Child<QListWidget>(dialog, name).item(row)->text(); };
}

// Qt renames its own standard buttons when the language changes, by an event it posts; the
// dialogs' texts must still be theirs after it.
void Switch(TUiLanguage language) {
    TLanguageSwitch::Instance().Apply(language);
    QCoreApplication::sendPostedEvents();
}

// A label or check box placed by hand that is narrower than its text cuts the text off.
QStringList CutOff(QDialog& dialog) {
    QStringList cut;
    if (dialog.layout())
        return cut;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (widget->isHidden() ||
            !(qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget)))
            continue;
        if (widget->sizeHint().width() > widget->width())
            cut << widget->objectName();
    }
    return cut;
}

class DialogLanguage : public ::testing::Test {
protected:
    // German stays the default for every later test, whatever failed here.
    void TearDown() override { Switch(TUiLanguage::German); }

    TScriptedDialogs Dialogs;
};

} // namespace

TEST_F(DialogLanguage, EveryDialogSwitchesItsTextsWhileOpen) {
    const std::vector<TDialogCase> cases = {
        {"NewForm",
         [this] { return std::make_unique<TNewForm>(Dialogs); },
         {{TextOf<QLabel>("SizeLabel"), "Größe:", "Size:"},
          {ComboItem("SizeCombo", 0), "Benutzerdefiniert", "Custom"},
          {ComboItem("SizeCombo", 1), "400 x 300", "400 x 300"},
          {ComboItem("TypeCombo", 1), "Bild", "Image"},
          {TextOf<QLabel>("Label3"), " Zwiebelschale ", " Onion Skin "},
          {TextOf<QPushButton>("Button2"), "Abbruch", "Cancel"}}},
        {"CompressionForm",
         [] { return std::make_unique<TCompressionForm>(TVideoContainer::Avi); },
         {{Title(), "Videokomprimierung", "Video Compression"},
          {ListItem("CodecList", 0), "Unkomprimiert", "Uncompressed"},
          {TextOf<QSpinBox>("KeyFrameSpin"), "automatisch", "automatic"}}},
        {"AboutForm",
         [] { return std::make_unique<TAboutForm>(); },
         {{Title(), "Info", "About Kelvro"},
          {TextOf<QLabel>("Purpose"), "Editor für zweidimensionale Vektoranimation",
           "Editor for two-dimensional vector animation"}}},
        {"RecoveryForm",
         [] { return std::make_unique<TRecoveryForm>(); },
         {{TextOf<QCheckBox>("RecoveryEnabled"), "Wiederherstellungskopien anlegen",
           "Keep recovery copies"},
          {TextOf<QPushButton>("CancelButton"), "Abbruch", "Cancel"}}},
        {"InputForm",
         [] { return std::make_unique<TInputForm>(); },
         {{TextOf<QPushButton>("OkButton"), "Ok", "OK"}}},
        {"InputExForm",
         [] { return std::make_unique<TInputExForm>(); },
         {{TextOf<QPushButton>("InputCancel"), "Abbruch", "Cancel"}}},
        {"InputDataForm",
         [] { return std::make_unique<TInputDataForm>(); },
         {{Title(), "Daten bearbeiten", "Edit Points"},
          {[](QDialog& dialog) {
               return Child<QTableWidget>(dialog, "StringGrid1").horizontalHeaderItem(2)->text();
           },
           "Punkt Y", "Point Y"}}},
        {"GroupForm",
         [] { return std::make_unique<TGroupForm>(QStringList{QStringLiteral("Linie 1")}); },
         {{Title(), "Gruppe wählen", "Select Group"}}},
        {"ShapePickerForm",
         [] {
             return std::make_unique<TInputFormForm>(
                 std::vector<TPolyPointsEx>{TPolyPointsEx{{0, 0}, {10, 0}, {10, 10}}});
         },
         {{Title(), "Formauswahl", "Choose Shape"},
          {ListItem("ShapeList", 0), "Quadrat", "Square"},
          {ListItem("ShapeList", 11), "Polygon", "Polygon"}}},
    };
    for (const TDialogCase& c : cases) {
        const std::unique_ptr<QDialog> dialog = c.Make();
        for (const TUiLanguage language :
             {TUiLanguage::German, TUiLanguage::English, TUiLanguage::German}) {
            Switch(language);
            const bool english = language == TUiLanguage::English;
            for (const TShownText& text : c.Texts)
                EXPECT_EQ(text.Read(*dialog).toStdString(), english ? text.English : text.German)
                    << c.Name << (english ? " in English" : " in German");
            EXPECT_EQ(CutOff(*dialog).join(QLatin1Char(' ')).toStdString(), "") << c.Name;
        }
    }
}

// The editor names the settings dialog by its text; the dialog's own captions follow the
// language, any other stays as given.
TEST_F(DialogLanguage, TheSettingsCaptionFollowsTheLanguageWhileShown) {
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"Neu", "New Project"}, {"Einstellungen", "Project Settings"}, {"Vorlage", "Vorlage"}};
    for (const auto& [german, english] : captions) {
        WhenShown([german = german, english = english](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), german);
            Switch(TUiLanguage::English);
            EXPECT_EQ(dialog.windowTitle().toStdString(), english);
            Switch(TUiLanguage::German);
            EXPECT_EQ(dialog.windowTitle().toStdString(), german);
            Press(dialog, "Button2");
        });
        TProjectSettings settings = TProjectSettings::Of(TProject());
        TOnionSettings onion;
        TWidgetDialogService dialogs;
        EXPECT_FALSE(
            dialogs.EditProjectSettings(nullptr, QString::fromUtf8(german), settings, onion));
    }
}
