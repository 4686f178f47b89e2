#include "core/edit/FrameEdit.h"
#include "core/edit/Undo.h"
#include "support/TestObject.h"

#include <gtest/gtest.h>

namespace {
TTestObject& Add(TProject& project, const QString& id, int value) {
    auto object = std::make_unique<TTestObject>(nullptr, TProps(), project.Zoom);
    object->ID = id;
    object->Value = value;
    project.CurrentObjects().push_back(std::move(object));
    return static_cast<TTestObject&>(*project.CurrentObjects().back());
}

QString State(const TProject& project) {
    QStringList parts;
    for (const auto& object : project.CurrentObjects())
        parts << object->ID + QString::number(static_cast<const TTestObject&>(*object).Value);
    return parts.join(' ');
}
} // namespace

TEST(FrameEdit, AGroupedStepIsOneUndoAndRecordsWhatEachEditDid) {
    TProject project;
    for (const char* id : {"a", "b", "c", "d"})
        Add(project, QString::fromLatin1(id), 1);
    {
        TFrameEdit step(project, true);
        step.Change(*project.CurrentObjects()[0],
                    [](TTypesObject& o) { static_cast<TTestObject&>(o).Value = 5; });
        step.Delete(3);
        step.Delete(1);
        step.Reorder(0, 1);
    }
    EXPECT_EQ(State(project), QStringLiteral("c1 a5"));
    const TUndoList& undo = project.CurrentUndo();
    ASSERT_EQ(undo.size(), 4u);
    EXPECT_EQ(undo[0]->UndoType, utChanged);
    EXPECT_EQ(undo[1]->UndoIndex, 3);
    EXPECT_EQ(undo[2]->UndoIndex, 1);
    EXPECT_EQ(undo[3]->UndoType, utReordered);
    EXPECT_EQ(undo[3]->UndoIndexEx, 1);
    EXPECT_FALSE(undo[0]->UndoId.isEmpty());
    for (const auto& record : undo)
        EXPECT_EQ(record->UndoId, undo[0]->UndoId);
    UndoStep(project);
    EXPECT_EQ(State(project), QStringLiteral("a1 b1 c1 d1"));
}

TEST(FrameEdit, SeparateStepsUndoOneByOne) {
    TProject project;
    TTestObject& a = Add(project, QStringLiteral("a"), 1);
    TFrameEdit(project).Added(a);
    TFrameEdit(project).Change(a, [](TTypesObject& o) { static_cast<TTestObject&>(o).Value = 2; });
    ASSERT_EQ(project.CurrentUndo().size(), 2u);
    EXPECT_TRUE(project.CurrentUndo()[1]->UndoId.isEmpty());
    UndoStep(project);
    EXPECT_EQ(State(project), QStringLiteral("a1"));
    UndoStep(project);
    EXPECT_EQ(State(project), QString());
}
