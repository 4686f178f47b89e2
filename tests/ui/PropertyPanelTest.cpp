#include "CanvasFixture.h"

#include "ui/TimelineGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>

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

TEST_F(PropertyPanel, TypedFontSizesApplyPerKeystrokeAndInvalidTextIsIgnored) {
    SelectedLine();
    const std::size_t before = UndoCount();
    QLineEdit* edit = Control<QComboBox>("FontSizeCombo")->lineEdit();
    edit->clear();
    EXPECT_EQ(UndoCount(), before);
    QTest::keyClicks(edit, QStringLiteral("36"));
    EXPECT_EQ(PropsOf(0).FontSize, 36);
    EXPECT_EQ(UndoCount(), before + 2);

    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(PropsOf(0).FontSize, 36);
    EXPECT_EQ(UndoCount(), before + 2);
    EXPECT_EQ(edit->text(), QStringLiteral("36x"));
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
}
