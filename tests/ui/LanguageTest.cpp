#include "CanvasFixture.h"

#include "core/model/Project.h"
#include "core/text/ResStr.h"
#include "ui/AboutForm.h"
#include "ui/CompressionForm.h"
#include "ui/ExportForm.h"
#include "ui/GroupForm.h"
#include "ui/InputDataForm.h"
#include "ui/InputExForm.h"
#include "ui/InputForm.h"
#include "ui/MessageForm.h"
#include "ui/NewForm.h"
#include "ui/RecoveryForm.h"
#include "ui/ShapePickerForm.h"
#include "ui/text/Language.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QXmlStreamReader>

namespace {
// The words of the catalogue's German texts and of its English ones; a word found only on one
// side tells the language of a shown text.
struct TVocabulary {
    QSet<QString> German;
    QSet<QString> English;
};

QStringList Words(const QString& text) {
    static const QRegularExpression separator(QStringLiteral("[^\\w]+"));
    QStringList words;
    for (const QString& word : text.toLower().split(separator, Qt::SkipEmptyParts))
        if (word.size() >= 3 && !word.contains(QRegularExpression(QStringLiteral("\\d"))))
            words << word;
    return words;
}

TVocabulary CatalogueVocabulary() {
    TVocabulary words;
    QFile file(QStringLiteral(KELVRO_CATALOGUE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        QSet<QString>* side = xml.name() == QLatin1String("source")        ? &words.German
                              : xml.name() == QLatin1String("translation") ? &words.English
                                                                           : nullptr;
        if (side)
            for (const QString& word : Words(xml.readElementText()))
                side->insert(word);
    }
    return words;
}

// Every text a widget tree shows or hints: captions, labels, buttons, list entries, headers,
// menus, actions and tooltips.
QStringList ShownTexts(QWidget* root) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    QStringList texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        texts << widget->windowTitle() << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << QString(label->text()).remove(tags);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            texts << box->title();
        if (auto* menu = qobject_cast<QMenu*>(widget))
            texts << menu->title();
        // Font families are names, whatever language they look like.
        auto* combo = qobject_cast<QComboBox*>(widget);
        if (combo && combo->objectName() != QLatin1String("FontNameCombo"))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* table = qobject_cast<QTableWidget*>(widget))
            for (int i = 0; i < table->columnCount(); ++i)
                if (QTableWidgetItem* header = table->horizontalHeaderItem(i))
                    texts << header->text();
    }
    for (QAction* action : root->findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

// The languages' names, each written in itself, and the program's name.
const QSet<QString> kAllowed = {QStringLiteral("deutsch"), QStringLiteral("english"),
                                QStringLiteral("kelvro")};

// Shown texts with a word of the other language.
QStringList Leftovers(const QStringList& texts, TUiLanguage shown, const TVocabulary& words) {
    const QSet<QString>& own = shown == TUiLanguage::English ? words.English : words.German;
    const QSet<QString>& other = shown == TUiLanguage::English ? words.German : words.English;
    static const QRegularExpression umlaut(QStringLiteral("[äöüÄÖÜß]"));
    QStringList found;
    for (const QString& text : texts) {
        bool foreign = shown == TUiLanguage::English && text.contains(umlaut);
        for (const QString& word : Words(text))
            foreign = foreign ||
                      (other.contains(word) && !own.contains(word) && !kAllowed.contains(word));
        if (foreign)
            found << text;
    }
    found.removeDuplicates();
    return found;
}

class LanguageTest : public CanvasFixture {
protected:
    void TearDown() override {
        TLanguageSwitch::Instance().Apply(TUiLanguage::German);
        CanvasFixture::TearDown();
    }

    // The window and every dialog it can open, as the user would see them.
    QStringList EveryShownText() {
        TProject project;
        TVideoOptions lastChoice;
        QStringList texts = ShownTexts(Window.get());
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.push_back(std::make_unique<TNewForm>(Dialogs));
        dialogs.push_back(std::make_unique<TExportForm>(
            TExportKind::Avi, QStringLiteral("clip.avi"), project, Dialogs, lastChoice));
        dialogs.push_back(std::make_unique<TCompressionForm>(TVideoContainer::Avi));
        dialogs.push_back(std::make_unique<TAboutForm>());
        dialogs.push_back(std::make_unique<TRecoveryForm>());
        dialogs.push_back(std::make_unique<TMessageForm>());
        dialogs.push_back(std::make_unique<TInputForm>());
        dialogs.push_back(std::make_unique<TInputExForm>());
        dialogs.push_back(std::make_unique<TInputDataForm>());
        dialogs.push_back(std::make_unique<TGroupForm>(QStringList()));
        dialogs.push_back(std::make_unique<TInputFormForm>(std::vector<TPolyPointsEx>()));
        for (const auto& dialog : dialogs)
            texts << ShownTexts(dialog.get());
        return texts;
    }
};

TEST_F(LanguageTest, NoTextOfTheOtherLanguageIsLeftInEitherLanguage) {
    const TVocabulary words = CatalogueVocabulary();
    ASSERT_GT(words.German.size(), 100);
    DrawLine({20, 20}, {120, 80});
    for (const TUiLanguage language : {TUiLanguage::English, TUiLanguage::German}) {
        TLanguageSwitch::Instance().Apply(language);
        const QStringList texts = EveryShownText();
        EXPECT_GT(texts.size(), 200);
        EXPECT_EQ(Leftovers(texts, language, words).join(QStringLiteral(" | ")).toStdString(), "")
            << (language == TUiLanguage::English ? "in English" : "in German");
    }
}

TEST_F(LanguageTest, TheMenuSwitchesAtOnceAndTheChoiceOutlivesTheWindow) {
    auto* help = Window->findChild<QMenu*>(QStringLiteral("HelpMenu"));
    auto* language = Window->findChild<QMenu*>(QStringLiteral("LanguageMenu"));
    TNewForm open(Dialogs);
    open.show();
    Window->findChild<QAction*>(QStringLiteral("EnglishAction"))->trigger();
    EXPECT_EQ(help->title(), QStringLiteral("Help"));
    EXPECT_EQ(language->title(), QStringLiteral("Language"));
    EXPECT_EQ(Window->findChild<QAction*>(QStringLiteral("NewAction1"))->text(),
              QStringLiteral("New"));
    EXPECT_TRUE(Window->findChild<QAction*>(QStringLiteral("EnglishAction"))->isChecked());
    EXPECT_FALSE(Window->findChild<QAction*>(QStringLiteral("GermanAction"))->isChecked());
    EXPECT_EQ(open.findChild<QPushButton*>(QStringLiteral("Button2"))->text(),
              QStringLiteral("Cancel"));

    // What the next start does: the stored choice comes back.
    TLanguageSwitch::Instance().Apply(TUiLanguage::German);
    EXPECT_EQ(help->title(), QStringLiteral("Hilfe"));
    TLanguageSwitch::Instance().Apply(StoredUiLanguage());
    EXPECT_EQ(TLanguageSwitch::Instance().Current(), TUiLanguage::English);
    OpenWindow(Dialogs);
    EXPECT_EQ(Window->findChild<QMenu*>(QStringLiteral("HelpMenu"))->title(),
              QStringLiteral("Help"));

    Window->findChild<QAction*>(QStringLiteral("GermanAction"))->trigger();
    EXPECT_EQ(StoredUiLanguage(), TUiLanguage::German);
    EXPECT_EQ(Window->findChild<QMenu*>(QStringLiteral("HelpMenu"))->title(),
              QStringLiteral("Hilfe"));
}

TEST(TextIds, TheNumberedTextsKeepTheirGermanDefaults) {
    const std::vector<std::pair<int, const char*>> numbered = {{1001, "Ok"},
                                                               {1002, "Abbruch"},
                                                               {1051, "Fehler"},
                                                               {1105, "Schließen"},
                                                               {20300, "Größe:"},
                                                               {20301, "Breite:"},
                                                               {20302, "Höhe:"},
                                                               {20303, "Farbe:"},
                                                               {20304, "Frameanzahl:"},
                                                               {20305, "Frames/Sek.:"},
                                                               {20306, "Bild:"},
                                                               {20307, "Typ:"},
                                                               {20310, "Benutzerdefiniert"},
                                                               {20325, "Farbe"},
                                                               {20362, "anzeigen"},
                                                               {20700, "Export"},
                                                               {20701, "AVI Export"},
                                                               {20702, "GIF Export"},
                                                               {20703, "BMP Export"},
                                                               {20704, "Fortschritt:"},
                                                               {20706, "Export nicht möglich!"}};
    QMap<int, QString> sources;
    QFile file(QStringLiteral(KELVRO_CATALOGUE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int id = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message"))
            id = xml.attributes().value(QStringLiteral("id")).toInt();
        else if (xml.name() == QLatin1String("source"))
            sources[id] = xml.readElementText();
    }
    for (const auto& [number, german] : numbered) {
        EXPECT_EQ(sources.value(number), QString::fromUtf8(german)) << number;
        // German needs no catalogue: the default written in the code is what shows.
        EXPECT_EQ(ResStr(number, "?"), QStringLiteral("?")) << number;
    }
    TLanguageSwitch::Instance().Apply(TUiLanguage::English);
    EXPECT_EQ(ResStr(20704, "Fortschritt:"), QStringLiteral("Progress:"));
    TLanguageSwitch::Instance().Apply(TUiLanguage::German);
    EXPECT_EQ(ResStr(20704, "Fortschritt:"), QStringLiteral("Fortschritt:"));
}
} // namespace
