#include "CanvasFixture.h"

#include "core/objects/TypesBitmap.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>

namespace {

class ImageTool : public CanvasFixture {
protected:
    static QString Scratch(const QString& name) { return QDir(TestScratchFolder()).filePath(name); }
    // A 6 x 4 picture in one colour.
    static QString Picture(const QString& name) {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(QColor(200, 40, 10));
        EXPECT_TRUE(image.save(Scratch(name), "png"));
        return Scratch(name);
    }
    TTypesBitmap& ImageAt(std::size_t index) {
        return dynamic_cast<TTypesBitmap&>(*Objects().at(index));
    }
    const TBitmapStore& Store() { return Window->Project().BitmapStore; }
};

} // namespace

TEST_F(ImageTool, APressPlacesTheChosenImageAndUndoTakesItAway) {
    Dialogs.Files << Picture(QStringLiteral("foto.PNG"));
    Tool("BitmapAction1");
    // The chooser takes the release with it, so the press alone finishes the creation.
    QTest::mousePress(View, Qt::LeftButton, {}, At(120, 80));
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_TRUE(PointIs(ImageAt(0).Centre(), 120, 80));
    const TRect rect = ImageAt(0).GetRect();
    EXPECT_EQ(rect.Right - rect.Left, 6);
    EXPECT_EQ(rect.Bottom - rect.Top, 4);
    const TUndoList& undo = Window->Project().CurrentUndo();
    ASSERT_EQ(undo.size(), 1u);
    EXPECT_EQ(undo[0]->UndoType, utAdded);
    QTest::mouseRelease(View, Qt::LeftButton, {}, At(120, 80));
    EXPECT_EQ(undo.size(), 1u);
    ASSERT_EQ(Store().size(), 1u);
    EXPECT_EQ(ImageAt(0).Bitmap(), Store()[0]);
    EXPECT_EQ(Combo("ObjectCombo")->count(), 1);

    Action("UndoAction1")->trigger();
    EXPECT_TRUE(Objects().empty());
    Action("RedoAction1")->trigger();
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(ImageAt(0).Bitmap()->pixel(5, 3), qRgb(200, 40, 10));
}

TEST_F(ImageTool, CancelAndUndecodableFilesAddNothing) {
    const QString broken = Scratch(QStringLiteral("kaputt.jpg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kein Bild");
    file.close();
    Dialogs.Files = QStringList{QString(), broken};
    Tool("BitmapAction1");
    Click({100, 100});
    EXPECT_TRUE(Dialogs.Errors.isEmpty());
    Click({150, 100});
    ASSERT_EQ(Dialogs.Errors.size(), 1);
    EXPECT_TRUE(Dialogs.Errors[0].startsWith(QStringLiteral("Fehler: ")));
    EXPECT_TRUE(Dialogs.Errors[0].contains(QStringLiteral("kaputt.jpg")));
    EXPECT_TRUE(Dialogs.Files.isEmpty());
    EXPECT_TRUE(Objects().empty());
    EXPECT_TRUE(Store().empty());
    EXPECT_TRUE(Window->Project().CurrentUndo().empty());
    EXPECT_FALSE(Action("UndoAction1")->isEnabled());
}

TEST_F(ImageTool, ThePlacedImageIsPaintedOnTheCanvas) {
    Dialogs.Files << Picture(QStringLiteral("malen.png"));
    Tool("BitmapAction1");
    Click({200, 150});
    ASSERT_EQ(Objects().size(), 1u);
    // Without the selection marks, which cover most of so small an image.
    Tool("SelectionAction1");
    ASSERT_FALSE(ImageAt(0).IsSelected());
    View->repaint();
    const QImage shown = View->grab().toImage();
    const QPoint inside = At(198, 149);
    EXPECT_EQ(shown.pixelColor(inside), QColor(200, 40, 10));
}
