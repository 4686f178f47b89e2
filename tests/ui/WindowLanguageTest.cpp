#include "CanvasFixture.h"

#include "core/model/ObjectNames.h"
#include "ui/CollapsiblePanel.h"
#include "ui/TimelineGrid.h"
#include "ui/text/Language.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <functional>

namespace {
// The main window with its language switched back to German after every test, passed or not,
// so that the other tests find the German texts they compare.
class WindowLanguage : public CanvasFixture {
protected:
    void TearDown() override {
        TLanguageSwitch::Instance().Apply(TUiLanguage::German);
        CanvasFixture::TearDown();
    }

    void Switch(TUiLanguage language) {
        TLanguageSwitch::Instance().Apply(language);
        QCoreApplication::processEvents();
    }

    template <typename T> T* Child(const char* name) const {
        return Window->findChild<T*>(QString::fromLatin1(name));
    }
    QLabel* StatusField(int field) const {
        return Window->findChild<QLabel*>(QStringLiteral("StatusField%1").arg(field));
    }
    QStringList ObjectComboItems() const {
        QStringList items;
        for (int i = 0; i < Combo("ObjectCombo")->count(); ++i)
            items << Combo("ObjectCombo")->itemText(i);
        return items;
    }
};

// Counts the paint events of one widget.
class TPaintCounter : public QObject {
public:
    explicit TPaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++Count;
        return false;
    }
};

struct TShownText {
    const char* Where;
    std::function<QString()> Text;
    const char* German;
    const char* English;
};
} // namespace

TEST_F(WindowLanguage, TheWindowSwitchesToEnglishAndBack) {
    const std::vector<TShownText> texts = {
        {"first menu", [this] { return Window->menuBar()->actions().at(0)->text(); }, "Datei",
         "File"},
        {"panel heading",
         [this] { return Child<TCollapsiblePanel>("CompBar2")->CaptionButton()->text(); },
         "Transparenz", "Opacity"},
        {"onion skin switch", [this] { return Child<QCheckBox>("OnionCheck")->text(); },
         "Zwiebelschale", "Onion skin"},
        {"fitting zoom", [this] { return Combo("ZoomCombo")->itemText(0); }, "Angepasst", "Fit"},
        {"chosen zoom", [this] { return Combo("ZoomCombo")->currentText(); }, "100%", "100%"},
        {"master frame", [this] { return Combo("FrameCombo")->itemText(0); }, "Frame1 (Master)",
         "Frame 1 (Master)"},
        {"timeline row", [] { return TTimelineGrid::RowLabel(2); }, "Winkel", "Rotation"},
        {"play button", [this] { return Child<QToolButton>("PlaySpeed")->toolTip(); }, "Abspielen",
         "Play"},
        {"range end button", [this] { return Child<QToolButton>("RightSpeed")->toolTip(); },
         "Bereichsende", "Range end"},
        {"bold button", [this] { return Child<QToolButton>("FontBoldSpeed")->text(); }, "F", "B"},
        {"pen width", [this] { return Child<QLabel>("PenWidthLabel")->text(); }, "Stiftbreite 1",
         "Line width 1"},
        {"frame status", [this] { return StatusField(2)->text(); }, "Fi:1, Fc:50, Fps:15",
         "Frame 1/50, 15 fps"},
        {"file status", [this] { return StatusField(3)->text(); }, "Unbenannt", "Untitled"},
    };
    const auto expectAll = [&](bool english) {
        for (const TShownText& text : texts)
            EXPECT_EQ(text.Text(), QString::fromUtf8(english ? text.English : text.German))
                << text.Where;
    };
    expectAll(false);
    auto* grid = Child<TTimelineGrid>("DrawGrid1");
    TPaintCounter paints(grid->viewport());
    Switch(TUiLanguage::English);
    expectAll(true);
    // The row labels are painted, not held by a widget; they show only when painted anew.
    EXPECT_GT(paints.Count, 0);
    Switch(TUiLanguage::German);
    expectAll(false);
}

TEST_F(WindowLanguage, TextsBuiltFromTheStateStayEnglishWhileEditing) {
    Switch(TUiLanguage::English);
    EXPECT_EQ(StatusField(1)->text(), QString());
    DrawLine({10, 10}, {80, 60});
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(StatusField(1)->text(), QStringLiteral("Modified"));
    EXPECT_EQ(ObjectComboItems(), ObjectListNames(Objects()));
    EXPECT_EQ(Combo("ObjectCombo")->currentIndex(), 0);
    EXPECT_TRUE(Child<QLabel>("PenWidthLabel")->text().startsWith(QStringLiteral("Line width ")));

    // Back in German the state's texts follow at once, the selection staying as it was.
    Switch(TUiLanguage::German);
    EXPECT_EQ(StatusField(1)->text(), QStringLiteral("Geändert"));
    EXPECT_EQ(ObjectComboItems(), ObjectListNames(Objects()));
    EXPECT_EQ(Combo("ObjectCombo")->currentIndex(), 0);
    EXPECT_TRUE(Objects()[0]->IsSelected());

    Switch(TUiLanguage::English);
    // Leaving the frame with the line pending asks first; the default answer stays.
    Combo("FrameCombo")->setCurrentIndex(1);
    emit Combo("FrameCombo")->activated(1);
    EXPECT_EQ(
        Dialogs.Asked,
        QStringList({"Information: Changes have been made. How would you like to continue?"}));
    EXPECT_EQ(Combo("FrameCombo")->currentText(), QStringLiteral("Frame 1 (Master)"));
    EXPECT_EQ(StatusField(2)->text(), QStringLiteral("Frame 1/50, 15 fps"));
}
