#include "CanvasFixture.h"

#include "ui/FontFamilies.h"
#include "ui/TimelineGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpontaneKeyEvent>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

namespace {
constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;

class PropertyPanel : public CanvasFixture {
protected:
    template <typename T = QWidget> T* Control(const char* name) const {
        return Window->findChild<T*>(QString::fromLatin1(name));
    }
    TColor SwatchColor(const char* name) const { return Control(name)->property("color").toInt(); }
    void PressSwatch(const char* name, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Control(name), button);
        QTest::mouseRelease(Control(name), button);
    }
    // A line drawn and then selected with the selection tool.
    void SelectedLine() {
        DrawLine({10, 10}, {60, 60});
        Tool("SelectionAction1");
        Click({10, 10});
        ASSERT_TRUE(Objects()[0]->IsSelected());
    }
    TProps PropsOf(std::size_t index) { return Objects().at(index)->GetProps(); }
    std::size_t UndoCount() { return Window->Project().CurrentUndo().size(); }
    void ClickHeader(int column) {
        auto* grid = Control<TTimelineGrid>("DrawGrid1");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(column, 0).center());
    }
    // One wheel notch down over the middle of control, delivered to the child under the pointer
    // as the platform delivers it, so that it passes on to the parents when nobody takes it.
    static void WheelDownOver(QWidget* control) {
        const QPoint middle = control->rect().center();
        QWidget* under = control->childAt(middle) ? control->childAt(middle) : control;
        const QPointF at = under->mapFrom(control, middle);
        QWheelEvent event(at, under->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(under, &event);
    }
    // What a control shows: a box's text or a slider's position.
    QString Shown(const char* name) const {
        if (auto* box = Control<QComboBox>(name))
            return box->currentText();
        return QString::number(Control<QSlider>(name)->value());
    }
};
} // namespace

TEST_F(PropertyPanel, WithoutASelectionTheControlsSetWhatNewObjectsTake) {
    Dialogs.Colors = {kRed};
    PressSwatch("PenShape", Qt::RightButton);
    Control<QSlider>("PenWidthTrack")->setValue(7);
    Control<QCheckBox>("BrushCheck")->click();
    emit Control<QComboBox>("MaskCombo")->activated(MASK_XOR);
    Control<QToolButton>("FontItalicSpeed")->click();

    EXPECT_EQ(Dialogs.ColorPresets, std::vector<TColor>({0x000000}));
    const TPanelDefaults& defaults = Window->Defaults();
    EXPECT_EQ(defaults.PenColor, kRed);
    EXPECT_EQ(defaults.PenWidth, 7);
    EXPECT_FALSE(defaults.BrushShow);
    EXPECT_EQ(defaults.Mask, MASK_XOR);
    EXPECT_EQ(defaults.FontStyle, fsItalic);
    EXPECT_EQ(Canvas->CanvasState().PenColor, kRed);
    EXPECT_EQ(Canvas->CanvasState().PenWidth, 7);
    EXPECT_TRUE(Canvas->font().italic());
    EXPECT_EQ(UndoCount(), 0u);
    EXPECT_EQ(SwatchColor("PenShape"), kRed);
    EXPECT_EQ(Control<QLabel>("PenWidthLabel")->text(), QStringLiteral("Stiftbreite 7"));

    DrawLine({10, 10}, {60, 60});
    const TProps props = PropsOf(0);
    EXPECT_EQ(props.PenColor, kRed);
    EXPECT_EQ(props.PenWidth, 7);
    EXPECT_FALSE(props.BrushShow);
    EXPECT_EQ(props.Mask, MASK_XOR);
}

TEST_F(PropertyPanel, ASelectedObjectChangesAsOneUndoableStep) {
    SelectedLine();
    const TProps original = PropsOf(0);
    const std::size_t before = UndoCount();
    Dialogs.Colors = {kGreen};
    PressSwatch("BrushShape");
    EXPECT_EQ(PropsOf(0).BrushColor, kGreen);
    EXPECT_EQ(UndoCount(), before + 1);
    EXPECT_EQ(Window->Defaults().BrushColor, TPanelDefaults().BrushColor);

    emit Control<QComboBox>("MaskCombo")->activated(MASK_AND);
    EXPECT_EQ(PropsOf(0).Mask, MASK_AND);
    EXPECT_EQ(UndoCount(), before + 2);

    Action("UndoAction1")->trigger();
    Action("UndoAction1")->trigger();
    EXPECT_TRUE(PropsOf(0) == original);
    EXPECT_EQ(Window->Defaults().Mask, MASK_NONE);
}

TEST_F(PropertyPanel, CancellingTheColourChooserChangesNothing) {
    PressSwatch("BrushShape");
    EXPECT_EQ(Window->Defaults().BrushColor, TPanelDefaults().BrushColor);
    EXPECT_EQ(SwatchColor("BrushShape"), TPanelDefaults().BrushColor);

    SelectedLine();
    const TProps original = PropsOf(0);
    const std::size_t before = UndoCount();
    PressSwatch("TransShape");
    EXPECT_TRUE(PropsOf(0) == original);
    EXPECT_EQ(UndoCount(), before);
    EXPECT_EQ(SwatchColor("TransShape"), original.TransColor);
}

TEST_F(PropertyPanel, DraggingASliderRecordsOnceOnRelease) {
    SelectedLine();
    const std::size_t before = UndoCount();
    auto* track = Control<QSlider>("PenWidthTrack");
    track->setSliderDown(true);
    for (int width : {3, 5, 9})
        track->setValue(width);
    EXPECT_EQ(Control<QLabel>("PenWidthLabel")->text(), QStringLiteral("Stiftbreite 9"));
    EXPECT_EQ(PropsOf(0).PenWidth, 1);
    EXPECT_EQ(UndoCount(), before);

    track->setSliderDown(false);
    EXPECT_EQ(PropsOf(0).PenWidth, 9);
    EXPECT_EQ(UndoCount(), before + 1);
    Action("UndoAction1")->trigger();
    EXPECT_EQ(PropsOf(0).PenWidth, 1);
    EXPECT_EQ(track->value(), 1);
}

TEST_F(PropertyPanel, TypedFontSizesApplyPerKeystrokeAndInvalidTextIsRefused) {
    QLineEdit* edit = Control<QComboBox>("FontSizeCombo")->lineEdit();
    const auto refused = [](const QString& text) {
        return QStringList{QStringLiteral("Fehler: '%1' ist kein gültiger Integerwert").arg(text)};
    };
    const int defaultSize = Window->Defaults().FontSize;
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("0"));
    EXPECT_EQ(Dialogs.Errors, refused(QStringLiteral("0")));
    EXPECT_EQ(Window->Defaults().FontSize, defaultSize);
    EXPECT_EQ(edit->text(), QString::number(defaultSize));

    SelectedLine();
    const std::size_t before = UndoCount();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("36"));
    EXPECT_EQ(PropsOf(0).FontSize, 36);
    EXPECT_EQ(UndoCount(), before + 2);

    // An emptied box is no error while typing, only if it is still empty when editing ends.
    struct Typing {
        bool clearFirst;
        const char* typed;
        const char* reported;
    };
    for (const Typing& typing :
         {Typing{false, "x", "36x"}, Typing{true, "0", "0"}, Typing{true, "", ""}}) {
        Dialogs.Errors.clear();
        if (typing.clearFirst) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        QTest::keyClicks(edit, QString::fromLatin1(typing.typed));
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(Dialogs.Errors, refused(QString::fromLatin1(typing.reported))) << typing.typed;
        EXPECT_EQ(edit->text(), QStringLiteral("36")) << typing.typed;
        EXPECT_EQ(PropsOf(0).FontSize, 36) << typing.typed;
        EXPECT_EQ(UndoCount(), before + 2) << typing.typed;
    }
}

TEST_F(PropertyPanel, TheWheelOverAnUnfocusedControlScrollsTheColumnInstead) {
    SelectedLine();
    Window->resize(Window->width(), 360);
    QTest::qWait(10);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    QScrollBar* column = Control<QScrollArea>("RightScrollBox")->verticalScrollBar();
    ASSERT_GT(column->maximum(), 0);
    const TProps props = PropsOf(0);
    const std::size_t before = UndoCount();
    View->setFocus();
    for (const char* name :
         {"FontNameCombo", "FontSizeCombo", "MaskCombo", "PenWidthTrack", "TransTrack"}) {
        const QString shown = Shown(name);
        column->setValue(0);
        WheelDownOver(Control(name));
        EXPECT_GT(column->value(), 0) << name;
        EXPECT_EQ(Shown(name), shown) << name;
        EXPECT_TRUE(View->hasFocus()) << name;
    }
    EXPECT_TRUE(PropsOf(0) == props);
    EXPECT_EQ(UndoCount(), before);

    column->setValue(0);
    Control("MaskCombo")->setFocus();
    WheelDownOver(Control("MaskCombo"));
    EXPECT_EQ(PropsOf(0).Mask, MASK_AND);
    EXPECT_EQ(UndoCount(), before + 1);
    EXPECT_EQ(column->value(), 0);
}

TEST_F(PropertyPanel, HeldKeysAndGrooveClicksOnASliderRecordOnceWhenLetGo) {
    SelectedLine();
    auto* track = Control<QSlider>("PenWidthTrack");
    const auto pageUp = [track](QEvent::Type type, bool autoRepeat) {
        QKeyEvent event(type, Qt::Key_PageUp, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(track, &event);
    };
    const QPoint groove(track->width() - 3, track->height() / 2);
    // From width 1: four page steps up while the key is held, then one more from the groove.
    struct Gesture {
        const char* name;
        std::function<void()> hold;
        std::function<void()> letGo;
        int width;
    };
    const Gesture gestures[] = {
        {"held key",
         [&] {
             pageUp(QEvent::KeyPress, false);
             for (int repeat = 0; repeat < 3; ++repeat) {
                 pageUp(QEvent::KeyRelease, true);
                 pageUp(QEvent::KeyPress, true);
             }
         },
         [&] { pageUp(QEvent::KeyRelease, false); }, 41},
        {"groove click", [&] { QTest::mousePress(track, Qt::LeftButton, {}, groove); },
         [&] { QTest::mouseRelease(track, Qt::LeftButton, {}, groove); }, 51},
    };
    for (const Gesture& gesture : gestures) {
        const int width = PropsOf(0).PenWidth;
        const std::size_t before = UndoCount();
        gesture.hold();
        EXPECT_EQ(track->value(), gesture.width) << gesture.name;
        EXPECT_EQ(Control<QLabel>("PenWidthLabel")->text(),
                  QStringLiteral("Stiftbreite %1").arg(track->value()))
            << gesture.name;
        EXPECT_EQ(PropsOf(0).PenWidth, width) << gesture.name;
        EXPECT_EQ(UndoCount(), before) << gesture.name;

        gesture.letGo();
        EXPECT_EQ(PropsOf(0).PenWidth, gesture.width) << gesture.name;
        EXPECT_EQ(UndoCount(), before + 1) << gesture.name;
    }
}

TEST_F(PropertyPanel, FocusedWheelStepsOnASliderEndAfterAPauseOrWhenLeaving) {
    SelectedLine();
    auto* track = Control<QSlider>("TransTrack");
    const Extended trans = PropsOf(0).Trans;
    const std::size_t before = UndoCount();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    track->setFocus();
    WheelDownOver(track);
    WheelDownOver(track);
    EXPECT_LT(track->value(), trans);
    EXPECT_EQ(Control<QLabel>("TransLabel")->text(), QStringLiteral("%1 %").arg(track->value()));
    EXPECT_EQ(PropsOf(0).Trans, trans);
    EXPECT_EQ(UndoCount(), before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return UndoCount() == before + 1; }, 2000));
    EXPECT_EQ(PropsOf(0).Trans, track->value());

    WheelDownOver(track);
    View->setFocus();
    EXPECT_EQ(UndoCount(), before + 2);
    EXPECT_EQ(PropsOf(0).Trans, track->value());
}

TEST_F(PropertyPanel, OutsideTheMasterOnlyColoursAndOpacityStayEditable) {
    DrawLine({10, 10}, {60, 60});
    ClickHeader(5);
    ASSERT_EQ(Window->Project().CurrentFrame, 4);
    ASSERT_TRUE(Objects()[0]->IsSelected());
    for (const char* name :
         {"BrushCheck", "PenCheck", "PenWidthTrack", "TransShape", "FontNameCombo", "FontSizeCombo",
          "FontBoldSpeed", "FontItalicSpeed", "FontUnderlineSpeed", "MaskCombo"})
        EXPECT_FALSE(Control(name)->isEnabled()) << name;
    for (const char* name : {"BrushShape", "PenShape", "TransTrack"})
        EXPECT_TRUE(Control(name)->isEnabled()) << name;

    const std::size_t before = UndoCount();
    Control<QSlider>("TransTrack")->setValue(40);
    EXPECT_EQ(PropsOf(0).Trans, 40);
    EXPECT_TRUE(Objects()[0]->KeyFrameTrans);
    EXPECT_FALSE(Objects()[0]->KeyFrameColor);
    EXPECT_EQ(UndoCount(), before + 1);

    ClickHeader(1);
    EXPECT_TRUE(Control("MaskCombo")->isEnabled());
}

TEST_F(PropertyPanel, SelectingAnObjectShowsItsProperties) {
    DrawLine({10, 10}, {60, 60});
    Tool("SelectionAction1");
    TProps props = PropsOf(0);
    props.BrushColor = kGreen;
    props.PenShow = false;
    props.Trans = 37.6L;
    props.FontName = QStringLiteral("Courier New");
    props.FontSize = 18;
    props.FontStyle = fsBold | fsUnderline;
    props.Mask = MASK_DIFF;
    Objects()[0]->ChangeProps(props, false);
    const std::size_t before = UndoCount();
    Click({10, 10});

    EXPECT_EQ(SwatchColor("BrushShape"), kGreen);
    EXPECT_FALSE(Control<QCheckBox>("PenCheck")->isChecked());
    EXPECT_EQ(Control<QSlider>("TransTrack")->value(), 38);
    EXPECT_EQ(Control<QLabel>("TransLabel")->text(), QStringLiteral("38 %"));
    EXPECT_EQ(Control<QComboBox>("FontNameCombo")->currentText(), QStringLiteral("Courier New"));
    EXPECT_EQ(Control<QComboBox>("FontSizeCombo")->currentText(), QStringLiteral("18"));
    EXPECT_TRUE(Control<QToolButton>("FontBoldSpeed")->isChecked());
    EXPECT_FALSE(Control<QToolButton>("FontItalicSpeed")->isChecked());
    EXPECT_TRUE(Control<QToolButton>("FontUnderlineSpeed")->isChecked());
    EXPECT_EQ(Control<QComboBox>("MaskCombo")->currentIndex(), MASK_DIFF);
    // Showing the values is no change.
    EXPECT_EQ(UndoCount(), before);
    EXPECT_EQ(PropsOf(0).Trans, 37.6L);

    Tool("SelectionAction1");
    EXPECT_EQ(SwatchColor("BrushShape"), Window->Defaults().BrushColor);
    EXPECT_EQ(Control<QSlider>("TransTrack")->value(), 100);
}

TEST_F(PropertyPanel, TheFontListHoldsTheBuiltInNamesOnceAndSorted) {
    auto* box = Control<QComboBox>("FontNameCombo");
    QStringList names;
    for (int i = 0; i < box->count(); ++i)
        names << box->itemText(i);
    for (const char* name : {"Arial", "Caribri", "Courier New"})
        EXPECT_EQ(names.count(QString::fromLatin1(name)), 1) << name;
    QStringList sorted = names;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(names, sorted);
    for (const QString& name : names)
        EXPECT_EQ(PlainFamilyName(name), name);
    EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST(PlainFamilyName, DropsOnlyAFoundryTagAtTheEnd) {
    const std::pair<const char*, const char*> cases[] = {
        {"C059 [UKWN]", "C059"},
        {"C059 [urw]", "C059"},
        {"Nimbus Sans Narrow [UKWN]", "Nimbus Sans Narrow"},
        {"DejaVu Sans", "DejaVu Sans"},
        {"Old [Style] Serif", "Old [Style] Serif"},
        {"Boxed[x]", "Boxed[x]"},
        {" [x]", " [x]"},
    };
    for (const auto& [listed, plain] : cases)
        EXPECT_EQ(PlainFamilyName(QString::fromLatin1(listed)), QString::fromLatin1(plain))
            << listed;
}
