#include "CanvasFixture.h"

#include "core/objects/TypesText.h"

namespace {

class TextTool : public CanvasFixture {
protected:
    TTypesText& TextAt(std::size_t index) {
        return dynamic_cast<TTypesText&>(*Objects().at(index));
    }
    // A click with the text tool answered with the given text in mode 0.
    void PlaceText(const QString& text, QPoint at) {
        Dialogs.Inputs.Answers.push_back({text, 0, true});
        Tool("TextAction1");
        Click(at);
    }
};

} // namespace

TEST_F(TextTool, AClickPlacesTheTypedTextAndUndoTakesItAway) {
    Dialogs.Inputs.Answers.push_back({QStringLiteral("  Hallo "), 1, true});
    Tool("TextAction1");
    Click({120, 80});
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(TextAt(0).Text(), QStringLiteral("  Hallo "));
    EXPECT_EQ(TextAt(0).TextType(), 1);
    EXPECT_TRUE(PointIs(TextAt(0).Centre(), 120, 80));
    EXPECT_TRUE(TextAt(0).IsSelected());
    // The release belongs to the finished creation: one question, one record.
    ASSERT_EQ(Dialogs.Inputs.Asked.size(), 1u);
    EXPECT_EQ(Dialogs.Inputs.Asked[0].Caption, QStringLiteral("Eingabe"));
    const TUndoList& undo = Window->Project().CurrentUndo();
    ASSERT_EQ(undo.size(), 1u);
    EXPECT_EQ(undo[0]->UndoType, utAdded);
    EXPECT_EQ(Combo("ObjectCombo")->count(), 1);

    Action("UndoAction1")->trigger();
    EXPECT_TRUE(Objects().empty());
    Action("RedoAction1")->trigger();
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(TextAt(0).Text(), QStringLiteral("  Hallo "));
}

TEST_F(TextTool, CancelAndBlanksLeaveNothing) {
    Dialogs.Inputs.Answers = {{QStringLiteral("Wort"), 0, false}, {QStringLiteral("   "), 0, true}};
    Tool("TextAction1");
    Click({100, 100});
    Click({150, 100});
    EXPECT_EQ(Dialogs.Inputs.Asked.size(), 2u);
    EXPECT_TRUE(Objects().empty());
    EXPECT_TRUE(Window->Project().CurrentUndo().empty());
    EXPECT_FALSE(Action("UndoAction1")->isEnabled());
}

TEST_F(TextTool, TheSelectionToolDragsAndTurnsAPlacedText) {
    PlaceText(QStringLiteral("Verschieben"), {150, 100});
    Tool("SelectionAction1");
    Click({150, 100});
    ASSERT_TRUE(TextAt(0).IsSelected());
    Drag({150, 100}, {180, 120});
    EXPECT_TRUE(PointIs(TextAt(0).Centre(), 180, 120));
    const TUndoList& undo = Window->Project().CurrentUndo();
    ASSERT_EQ(undo.size(), 2u);
    EXPECT_EQ(undo[1]->UndoType, utChanged);

    // A double-click switches to rotate mode; a corner handle then turns the text.
    QTest::mouseDClick(View, Qt::LeftButton, {}, At(180, 120));
    ASSERT_EQ(TextAt(0).Mode(), TPlacedObject::RotateMode);
    const TRect bounds = TextAt(0).GetRect();
    const QPoint corner(bounds.Right, bounds.Top);
    const QPoint below(180 + (bounds.Right - 180), 120 + (bounds.Right - 180));
    Drag(corner, below);
    EXPECT_GT(TextAt(0).Angle(), 30);
    EXPECT_TRUE(PointIs(TextAt(0).Centre(), 180, 120));
    EXPECT_EQ(undo.size(), 3u);

    Action("UndoAction1")->trigger();
    EXPECT_EQ(TextAt(0).Angle(), 0);
}
