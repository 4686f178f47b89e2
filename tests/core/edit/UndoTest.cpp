#include "core/edit/Undo.h"
#include "core/edit/BitmapPurge.h"
#include "support/TestObject.h"

#include <gtest/gtest.h>

namespace {

// A test object that shows an image of the project's store.
class TImageTestObject : public TTestObject {
public:
    const QImage* SharedImage() const override { return Image; }
    std::unique_ptr<TTypesObject> NewEmpty(Extended zoom) const override {
        auto object = std::make_unique<TImageTestObject>();
        object->FZoom = zoom;
        return object;
    }
    void Assign(const TTypesObject& source) override {
        Image = static_cast<const TImageTestObject&>(source).Image;
        TTestObject::Assign(source);
    }

    const QImage* Image = nullptr;
};

class UndoTest : public ::testing::Test {
protected:
    TObjectList& Objects() { return project.CurrentObjects(); }

    // Objects are made selected, as new ones are, so that restoring visibly deselects them.
    TTestObject& Insert(int index, const QString& id, int value) {
        auto object = std::make_unique<TTestObject>(nullptr, TProps(), project.Zoom);
        object->ID = id;
        object->Value = value;
        return static_cast<TTestObject&>(
            **Objects().insert(Objects().begin() + index, std::move(object)));
    }
    TTestObject& Append(const QString& id, int value) {
        return Insert(static_cast<int>(Objects().size()), id, value);
    }
    TTestObject& At(int index) { return static_cast<TTestObject&>(*Objects()[index]); }

    // The list as IDs and values in painting order, e.g. "a1 b2".
    QString State() {
        QStringList parts;
        for (const auto& object : Objects())
            parts << object->ID + QString::number(static_cast<TTestObject&>(*object).Value);
        return parts.join(' ');
    }
    // Records a change of the object at index made by edit, with its state before as the record
    // wants it.
    template <typename Edit> void Change(int index, const QString& group, Edit edit) {
        const auto before = CloneObject(Objects()[index].get(), project.Zoom);
        edit(At(index));
        RecordUndo(project, utChanged, Objects()[index].get(), before.get(), index, -1, group);
    }
    void Delete(int index, const QString& group) {
        RecordUndo(project, utDeleted, Objects()[index].get(), nullptr, index, -1, group);
        Objects().erase(Objects().begin() + index);
    }

    TProject project;
};

TEST_F(UndoTest, AddedObjectGoesAndComesBackAsANewCopy) {
    Append("a", 1);
    const auto state0 = [&] { EXPECT_EQ(State(), "a1"); };
    RecordUndo(project, utAdded, &Insert(1, "b", 2), nullptr, 1, -1, QString());
    const auto state1 = [&] { EXPECT_EQ(State(), "a1 b2"); };
    state1();
    for (int round = 0; round < 2; ++round) {
        UndoStep(project);
        state0();
        EXPECT_FALSE(CanUndo(project));
        EXPECT_TRUE(CanRedo(project));
        RedoStep(project);
        state1();
        EXPECT_TRUE(CanUndo(project));
        EXPECT_FALSE(CanRedo(project));
        EXPECT_NE(Objects()[1].get(), project.CurrentUndo().back()->UndoObject.get());
        EXPECT_FALSE(At(1).IsSelected());
    }
}

TEST_F(UndoTest, ChangesAreAssignedInPlaceOneRecordAtATime) {
    Append("a", 1);
    Append("b", 2);
    const TTypesObject* b = Objects()[1].get();
    const auto state0 = [&] {
        EXPECT_EQ(State(), "a1 b2");
        EXPECT_FALSE(At(1).KeyFrameMove);
    };
    Change(1, QString(), [](TTestObject& object) {
        object.Value = 5;
        object.KeyFrameMove = true;
    });
    const auto state1 = [&] {
        EXPECT_EQ(State(), "a1 b5");
        EXPECT_TRUE(At(1).KeyFrameMove);
    };
    Change(1, QString(), [](TTestObject& object) { object.Value = 6; });
    const auto state2 = [&] { EXPECT_EQ(State(), "a1 b6"); };

    project.Zoom = 2.0L;
    UndoStep(project);
    state1();
    EXPECT_EQ(At(1).Zoom(), 2.0L);
    EXPECT_FALSE(At(1).IsSelected());
    UndoStep(project);
    state0();
    RedoStep(project);
    state1();
    RedoStep(project);
    state2();
    UndoStep(project);
    state1();
    EXPECT_EQ(Objects()[1].get(), b);
}

TEST_F(UndoTest, DeletedObjectReturnsToItsIndex) {
    Append("a", 1);
    Append("b", 2);
    Append("c", 3);
    const auto state0 = [&] { EXPECT_EQ(State(), "a1 b2 c3"); };
    Delete(1, QString());
    const auto state1 = [&] { EXPECT_EQ(State(), "a1 c3"); };
    state1();
    for (int round = 0; round < 2; ++round) {
        UndoStep(project);
        state0();
        EXPECT_FALSE(At(1).IsSelected());
        RedoStep(project);
        state1();
    }
}

TEST_F(UndoTest, ReorderedObjectMovesRatherThanSwaps) {
    for (const char* id : {"a", "b", "c", "d"})
        Append(id, 0);
    const auto state0 = [&] { EXPECT_EQ(State(), "a0 b0 c0 d0"); };
    RecordUndo(project, utReordered, Objects()[1].get(), nullptr, 1, 2, QString());
    std::swap(Objects()[1], Objects()[2]);
    const auto state1 = [&] { EXPECT_EQ(State(), "a0 c0 b0 d0"); };
    RecordUndo(project, utReordered, Objects()[0].get(), nullptr, 0, 3, QString());
    std::rotate(Objects().begin(), Objects().begin() + 1, Objects().end());
    const auto state2 = [&] { EXPECT_EQ(State(), "c0 b0 d0 a0"); };
    state2();
    UndoStep(project);
    state1();
    EXPECT_FALSE(At(0).IsSelected());
    UndoStep(project);
    state0();
    RedoStep(project);
    state1();
    RedoStep(project);
    state2();
}

TEST_F(UndoTest, GroupIsUndoneNewestFirstAndRedoneOldestFirst) {
    for (int i = 0; i < 5; ++i)
        Append(QString(QChar('a' + i)), i + 1);
    const auto state0 = [&] { EXPECT_EQ(State(), "a1 b2 c3 d4 e5"); };
    Change(0, QString(), [](TTestObject& object) { object.Value = 7; });
    const auto state1 = [&] { EXPECT_EQ(State(), "a7 b2 c3 d4 e5"); };
    // A multi-selection delete: highest index first.
    const QString group = QStringLiteral("{G}");
    for (int index : {4, 2, 0})
        Delete(index, group);
    const auto state2 = [&] { EXPECT_EQ(State(), "b2 d4"); };
    state2();

    UndoStep(project);
    state1();
    for (int index : {0, 2, 4})
        EXPECT_FALSE(At(index).IsSelected());
    EXPECT_EQ(project.CurrentUndo().size(), 1u);
    EXPECT_EQ(project.CurrentRedo().size(), 3u);
    UndoStep(project);
    state0();
    RedoStep(project);
    state1();
    RedoStep(project);
    state2();
    EXPECT_FALSE(CanRedo(project));
    UndoStep(project);
    state1();
}

TEST_F(UndoTest, RecordingAfterUndoDropsTheRedoRecords) {
    Append("a", 1);
    Change(0, QString(), [](TTestObject& object) { object.Value = 2; });
    Change(0, QString(), [](TTestObject& object) { object.Value = 3; });
    UndoStep(project);
    UndoStep(project);
    ASSERT_EQ(project.CurrentRedo().size(), 2u);
    Change(0, QString(), [](TTestObject& object) { object.Value = 9; });
    EXPECT_FALSE(CanRedo(project));
    EXPECT_EQ(project.CurrentUndo().size(), 1u);
    RedoStep(project);
    EXPECT_EQ(State(), "a9");
    UndoStep(project);
    EXPECT_EQ(State(), "a1");
}

TEST_F(UndoTest, EmptyHistoryStepsDoNothing) {
    Append("a", 1);
    UndoStep(project);
    RedoStep(project);
    EXPECT_EQ(State(), "a1");
    EXPECT_FALSE(CanUndo(project));
    EXPECT_FALSE(CanRedo(project));

    Change(0, QString(), [](TTestObject& object) { object.Value = 2; });
    UndoStep(project);
    ClearHistory(project);
    EXPECT_FALSE(CanUndo(project));
    EXPECT_FALSE(CanRedo(project));
    EXPECT_EQ(State(), "a1");
}

TEST_F(UndoTest, RecordsThatDoNotFitTheListAreSkipped) {
    Append("a", 1);
    Append("b", 2);
    TTestObject stray;
    stray.ID = "x";
    stray.Value = 8;
    TImageTestObject otherClass;
    auto& undo = project.CurrentUndo();
    const auto push = [&](std::int32_t type, const TTypesObject* object, const TTypesObject* before,
                          std::int32_t index, std::int32_t indexEx) {
        undo.push_back(std::make_unique<TUndoItem>(type, object, before, index, indexEx, QString(),
                                                   project.Zoom));
    };
    push(utAdded, &stray, nullptr, -1, -1);
    push(utChanged, &stray, &stray, -1, -1);
    push(utChanged, &stray, &stray, 2, -1);
    push(utChanged, &otherClass, nullptr, 0, -1);
    push(utDeleted, &stray, nullptr, -3, -1);
    push(utReordered, &stray, nullptr, 0, 9);
    push(utReordered, &stray, nullptr, -1, 1);
    push(7, &stray, nullptr, 0, -1);
    const std::size_t count = undo.size();

    for (std::size_t i = 0; i < count; ++i)
        UndoStep(project);
    EXPECT_EQ(State(), "a1 b2");
    EXPECT_EQ(project.CurrentRedo().size(), count);
    for (std::size_t i = 0; i < count; ++i)
        RedoStep(project);
    EXPECT_EQ(State(), "a1 b2");
    EXPECT_EQ(undo.size(), count);

    // An object put back at an index past the end goes to the end; removing it there is skipped.
    push(utAdded, &stray, nullptr, 5, -1);
    UndoStep(project);
    EXPECT_EQ(State(), "a1 b2");
    RedoStep(project);
    EXPECT_EQ(State(), "a1 b2 x8");
    EXPECT_FALSE(At(2).IsSelected());
    push(utDeleted, &stray, nullptr, 9, -1);
    UndoStep(project);
    EXPECT_EQ(State(), "a1 b2 x8 x8");
}

TEST_F(UndoTest, PurgeKeepsImagesThatAnyObjectOrRecordShows) {
    for (int i = 0; i < 6; ++i)
        project.BitmapStore.push_back(std::make_shared<QImage>(i + 1, 1, QImage::Format_RGB32));
    const TBitmapStore images = project.BitmapStore;
    const auto showing = [&](int image) {
        auto object = std::make_unique<TImageTestObject>();
        object->Image = images[image].get();
        return object;
    };
    const auto record = [&](const TTypesObject* object, const TTypesObject* before) {
        return std::make_unique<TUndoItem>(utChanged, object, before, 0, -1, QString(), 1.0L);
    };
    project.Master().Objects.push_back(showing(0));
    project.Frames[3]->Objects.push_back(showing(1));
    project.CurrentUndo().push_back(record(showing(2).get(), showing(4).get()));
    project.Frames[2]->Redo.push_back(record(showing(5).get(), nullptr));
    project.Master().Objects.push_back(std::make_unique<TTestObject>());

    // Images are told apart by their widths, 1 to 6.
    const auto kept = [&] {
        std::vector<int> widths;
        for (const auto& image : project.BitmapStore)
            widths.push_back(image->width());
        return widths;
    };
    PurgeUnusedBitmaps(project);
    EXPECT_EQ(kept(), (std::vector<int>{1, 2, 3, 5, 6}));

    // Recording drops the redo list first, and with it the last user of image 5.
    auto& shown = static_cast<TImageTestObject&>(*project.Master().Objects[0]);
    shown.Image = images[4].get();
    project.CurrentRedo().push_back(record(showing(5).get(), nullptr));
    project.Frames[2]->Redo.clear();
    RecordUndo(project, utChanged, &shown, nullptr, 0, -1, QString());
    EXPECT_EQ(kept(), (std::vector<int>{2, 3, 5}));
}

} // namespace
