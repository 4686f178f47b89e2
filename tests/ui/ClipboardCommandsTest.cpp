#include "CanvasFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
class ClipboardCommands : public CanvasFixture {
protected:
    void Key(QKeySequence keys) { QTest::keySequence(View, keys); }
    QStringList Ids() {
        QStringList ids;
        for (const auto& object : Objects())
            ids << object->ID;
        return ids;
    }
};
} // namespace

TEST_F(ClipboardCommands, CopyAndPasteAddTheSelectionOnTopAsOneUndoStep) {
    DrawLine({10, 10}, {60, 60});
    DrawLine({200, 20}, {260, 80});
    Tool("SelectionAction1");
    EXPECT_FALSE(Action("CopyAction1")->isEnabled());
    Click({35, 35}, Qt::ShiftModifier);
    Click({230, 50}, Qt::ShiftModifier);
    ASSERT_TRUE(Action("CopyAction1")->isEnabled());
    const QStringList originals = Ids();

    Action("CopyAction1")->trigger();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied && copied->hasFormat(ObjectClipboardMimeType()));
    EXPECT_FALSE(copied->hasText());
    const QImage picture = qvariant_cast<QImage>(copied->imageData());
    EXPECT_GE(picture.width(), 250) << "both lines, at zoom 1";
    EXPECT_EQ(picture.pixelColor(picture.width() - 1, 0).alpha(), 0) << "transparent around them";
    ASSERT_TRUE(Action("PasteAction1")->isEnabled());
    Action("PasteAction1")->trigger();

    ASSERT_EQ(Objects().size(), 4u);
    EXPECT_EQ(Ids().mid(0, 2), originals);
    for (int i = 2; i < 4; ++i) {
        EXPECT_FALSE(originals.contains(Objects()[i]->ID));
        const TPolyPointsEx pasted = PointsOf(i).Points();
        const TPolyPointsEx original = PointsOf(i - 2).Points();
        ASSERT_EQ(pasted.size(), original.size());
        for (std::size_t p = 0; p < pasted.size(); ++p)
            EXPECT_TRUE(pasted[p].X == original[p].X && pasted[p].Y == original[p].Y);
    }
    EXPECT_FALSE(Action("DeleteAction1")->isEnabled()) << "pasted objects stay unselected";
    EXPECT_EQ(Combo("ObjectCombo")->count(), 4);

    Action("UndoAction1")->trigger();
    EXPECT_EQ(Ids(), originals);
}

TEST_F(ClipboardCommands, CutDeletesUndoablyAndPasteFollowsTheClipboard) {
    DrawLine({10, 10}, {60, 60});
    Tool("SelectionAction1");
    Click({35, 35});
    Action("CutAction1")->trigger();
    EXPECT_TRUE(Objects().empty());
    Action("UndoAction1")->trigger();
    EXPECT_EQ(Objects().size(), 1u);

    ASSERT_TRUE(Action("PasteAction1")->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("kein Objekt"));
    EXPECT_FALSE(Action("PasteAction1")->isEnabled());
    Action("PasteAction1")->trigger();
    EXPECT_EQ(Objects().size(), 1u);

    // A picture from another program becomes an image object in the middle, undoably.
    QImage foreign(40, 20, QImage::Format_RGB32);
    foreign.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(foreign);
    ASSERT_TRUE(Action("PasteAction1")->isEnabled());
    Action("PasteAction1")->trigger();
    ASSERT_EQ(Objects().size(), 2u);
    EXPECT_EQ(Objects()[1]->TypeName(), QStringLiteral("Bitmap"));
    EXPECT_EQ(Objects()[1]->GetRect().Left, RoundHalfEven(200 - 20 * Window->Project().Zoom));
    Action("UndoAction1")->trigger();
    EXPECT_EQ(Objects().size(), 1u);

    // Beyond the image limits nothing is added.
    QImage wide(20001, 1, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    QGuiApplication::clipboard()->setImage(wide);
    Action("PasteAction1")->trigger();
    EXPECT_EQ(Objects().size(), 1u);
}
