#include "AnimTestSupport.h"

#include "core/anim/Anim.h"
#include "core/anim/FrameSwitch.h"

#include <gtest/gtest.h>

namespace {

const QString A = QStringLiteral("{A}");

// A polyline keyed in frame 0 at x = 0 and, for moving, in frame 3 at x = 30, with frame 3 current.
struct TMoveFixture {
    TMoveFixture() {
        Add(project, 0, Polyline(A, {{0, 0}}));
        Add(project, 3, Polyline(A, {{30, 0}}, AspectBit(TAspect::Move)));
        bool changed = false;
        obj = SwitchFrame(project, 3, A, changed);
    }

    Extended XIn(int frame) {
        const TObjectList& objects = ObjectsOf(project, frame);
        return objects.empty() ? -1 : objects[0]->AspectPoints()->front().X;
    }

    TProject project = ProjectOf(10);
    TTypesObject* obj = nullptr;
};

} // namespace

TEST(MoveKeyframe, MovingTakesTheKeyAwayFromTheSourceFrame) {
    TMoveFixture f;
    ASSERT_TRUE(MoveKeyframe(f.project, TAspect::Move, 3, 7, *f.obj, false));
    EXPECT_FALSE(f.obj->KeyFrameMove);
    ASSERT_EQ(ObjectsOf(f.project, 7).size(), 1u);
    EXPECT_EQ(KeyFrameAspects(*ObjectsOf(f.project, 7)[0]), AspectBit(TAspect::Move));
    EXPECT_EQ(f.XIn(7), 30);

    bool changed = false;
    SwitchFrame(f.project, 7, A, changed);
    EXPECT_TRUE(ObjectsOf(f.project, 3).empty());
    SwitchFrame(f.project, 5, A, changed);
    EXPECT_EQ(f.XIn(5), 30.0L / 7 * 5);
}

TEST(MoveKeyframe, CopyingKeepsTheSourceKey) {
    TMoveFixture f;
    ASSERT_TRUE(MoveKeyframe(f.project, TAspect::Move, 3, 7, *f.obj, true));
    EXPECT_TRUE(f.obj->KeyFrameMove);
    EXPECT_EQ(f.XIn(7), 30);
    bool changed = false;
    SwitchFrame(f.project, 5, A, changed);
    EXPECT_EQ(f.XIn(5), 30);
}

TEST(MoveKeyframe, OnlyTheDraggedAspectIsCarriedAndTheMasterKeepsItsFlags) {
    TMoveFixture f;
    TProps props = f.obj->GetProps();
    props.Trans = 25;
    f.obj->ChangeProps(props, false);
    ASSERT_TRUE(MoveKeyframe(f.project, TAspect::Trans, 3, 0, *f.obj, false));
    const TTypesObject& master = *ObjectsOf(f.project, 0)[0];
    EXPECT_EQ(master.GetProps().Trans, 25);
    EXPECT_EQ(f.XIn(0), 0);
    EXPECT_EQ(KeyFrameAspects(master), AllAspects);
    EXPECT_FALSE(f.obj->KeyFrameTrans);
}

TEST(MoveKeyframe, RefusesTheCurrentFrameAndObjectsOfOtherFrames) {
    TMoveFixture f;
    EXPECT_FALSE(MoveKeyframe(f.project, TAspect::Move, 3, 3, *f.obj, false));
    EXPECT_FALSE(MoveKeyframe(f.project, TAspect::Move, 3, 10, *f.obj, false));
    TTypesObject& master = *ObjectsOf(f.project, 0)[0];
    EXPECT_FALSE(MoveKeyframe(f.project, TAspect::Move, 3, 6, master, false));
    EXPECT_TRUE(f.obj->KeyFrameMove);
    EXPECT_EQ(ObjectsOf(f.project, 3).size(), 1u);
    EXPECT_TRUE(ObjectsOf(f.project, 6).empty());
}
