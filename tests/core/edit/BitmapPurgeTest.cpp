#include "core/edit/BitmapPurge.h"
#include "core/edit/Undo.h"
#include "core/objects/RecordingTable.h"
#include "core/objects/TypesBitmap.h"
#include "support/TestMain.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class BitmapPurge : public ::testing::Test {
protected:
    // Places an image of that width at the project's end and records it, as the image tool does.
    const TTypesBitmap& Place(int width) {
        const QString path = QDir(TestScratchFolder()).filePath(QStringLiteral("purge.png"));
        QImage pixels(width, 1, QImage::Format_RGB32);
        pixels.fill(Qt::darkCyan);
        EXPECT_TRUE(pixels.save(path, "png"));
        auto image = std::make_unique<TTypesBitmap>(&Table, TProps(), 1, &project.BitmapStore);
        Table.ObjectDialogs.ImageFiles << path;
        bool flag = false;
        image->CreateMouseDown(TMouseButton::mbLeft, 0, 20, 20, flag);
        EXPECT_TRUE(flag);
        TObjectList& objects = project.CurrentObjects();
        objects.push_back(std::move(image));
        RecordUndo(project, utAdded, objects.back().get(), nullptr,
                   static_cast<int>(objects.size()) - 1, -1, QString());
        return static_cast<const TTypesBitmap&>(*objects.back());
    }
    // Records the deletion of the object at index and takes it out of the frame.
    void Delete(std::size_t index) {
        TObjectList& objects = project.CurrentObjects();
        RecordUndo(project, utDeleted, objects[index].get(), nullptr, static_cast<int>(index), -1,
                   QString());
        objects.erase(objects.begin() + static_cast<std::ptrdiff_t>(index));
    }
    std::vector<int> StoreWidths() const {
        std::vector<int> widths;
        for (const auto& image : project.BitmapStore)
            widths.push_back(image->width());
        return widths;
    }

    TRecordingTable Table;
    TProject project;
};

} // namespace

TEST_F(BitmapPurge, AnImageOnlyAnUndoRecordHoldsSurvivesUntilTheRecordGoes) {
    Place(3);
    ClearHistory(project);
    Delete(0);
    // The next record prunes the store while only the deletion record shows image 3.
    Place(5);
    EXPECT_EQ(StoreWidths(), (std::vector<int>{3, 5}));

    UndoStep(project);
    UndoStep(project);
    ASSERT_EQ(project.CurrentObjects().size(), 1u);
    const auto& restored = dynamic_cast<const TTypesBitmap&>(*project.CurrentObjects()[0]);
    EXPECT_EQ(restored.Bitmap(), project.BitmapStore[0]);
    EXPECT_EQ(restored.Bitmap()->pixel(2, 0), QColor(Qt::darkCyan).rgb());

    // Recording drops the redo list, the last holder of image 5.
    Delete(0);
    EXPECT_EQ(StoreWidths(), (std::vector<int>{3}));
    // Once no record is left to bring it back, the deleted image goes with the next record.
    ClearHistory(project);
    Place(7);
    EXPECT_EQ(StoreWidths(), (std::vector<int>{7}));
}

TEST_F(BitmapPurge, CopiesInOtherFramesKeepTheMastersImage) {
    const TTypesBitmap& master = Place(4);
    project.Frames[3]->Objects.push_back(CloneObject(&master, 1));
    project.CurrentObjects().clear();
    ClearHistory(project);
    PurgeUnusedBitmaps(project);
    ASSERT_EQ(StoreWidths(), (std::vector<int>{4}));
    EXPECT_EQ(project.Frames[3]->Objects[0]->SharedImage(), project.BitmapStore[0].get());
}
