#include "core/model/Frame.h"
#include "core/anim/FrameSwitch.h"
#include "core/model/Project.h"
#include "support/TestObject.h"

#include <gtest/gtest.h>

namespace {
void AddUndoRecord(TProject& project) {
    TTestObject object;
    project.CurrentUndo().push_back(
        std::make_unique<TUndoItem>(utChanged, &object, nullptr, 0, -1, QString(), 1.0L));
}
} // namespace

TEST(IndexOfID, FindsTheFirstExactMatch) {
    TObjectList list;
    EXPECT_EQ(IndexOfID(QStringLiteral("{A}"), list), -1);
    list.push_back(MakeTestObject(QStringLiteral("{B}"), true));
    list.push_back(MakeTestObject(QStringLiteral("{A}"), true));
    list.push_back(MakeTestObject(QStringLiteral("{A}"), true));
    EXPECT_EQ(IndexOfID(QStringLiteral("{A}"), list), 1);
    EXPECT_EQ(IndexOfID(QStringLiteral("{a}"), list), -1);
    EXPECT_EQ(IndexOfID(QStringLiteral("{A"), list), -1);
}

TEST(StripFrame, KeepsKeyframeCopiesInOrder) {
    TFrame frame;
    frame.Objects.push_back(MakeTestObject(QStringLiteral("1"), true));
    frame.Objects.push_back(MakeTestObject(QStringLiteral("2"), false));
    frame.Objects.push_back(MakeTestObject(QStringLiteral("3"), true));
    auto colourOnly = MakeTestObject(QStringLiteral("4"), false);
    colourOnly->KeyFrameColor = true;
    frame.Objects.push_back(std::move(colourOnly));
    StripFrame(frame);
    ASSERT_EQ(frame.Objects.size(), 3u);
    EXPECT_EQ(frame.Objects[0]->ID, QStringLiteral("1"));
    EXPECT_EQ(frame.Objects[1]->ID, QStringLiteral("3"));
    EXPECT_EQ(frame.Objects[2]->ID, QStringLiteral("4"));
}

TEST(StripFrame, EmptiesAFrameOfInBetweenCopies) {
    TFrame frame;
    frame.Objects.push_back(MakeTestObject(QStringLiteral("1"), false));
    frame.Objects.push_back(MakeTestObject(QStringLiteral("2"), false));
    frame.Undo.push_back(
        std::make_unique<TUndoItem>(utAdded, nullptr, nullptr, 0, -1, QString(), 1.0L));
    StripFrame(frame);
    EXPECT_TRUE(frame.Objects.empty());
    EXPECT_EQ(frame.Undo.size(), 1u);
}

TEST(Project, StartsWithTheDefaultProject) {
    const TProject project;
    EXPECT_EQ(project.ProjectWidth, 800);
    EXPECT_EQ(project.ProjectHeight, 600);
    EXPECT_EQ(project.FrameCount, 50);
    EXPECT_EQ(project.Frames.size(), 50u);
    EXPECT_EQ(project.FramesPerSec, 15);
    EXPECT_EQ(project.PlayStart, 0);
    EXPECT_EQ(project.PlayEnd, 49);
    EXPECT_EQ(project.BackgroundColor, 0xFFFFFF);
    EXPECT_EQ(project.Zoom, 1.0L);
    EXPECT_FALSE(project.ShowPaths);
    EXPECT_FALSE(project.Splines);
    EXPECT_EQ(project.ExtentWidth(), 900);
    EXPECT_EQ(project.ExtentHeight(), 700);
}

TEST(Project, ExtentRoundsTheZoomedSizeHalfToEven) {
    TProject project;
    project.ProjectWidth = 5;
    project.ProjectHeight = 7;
    project.Zoom = 0.5L;
    EXPECT_EQ(project.ExtentWidth(), 2 + 100);
    EXPECT_EQ(project.ExtentHeight(), 4 + 100);
}

TEST(Project, ResizeKeepsLowerFramesAndAddsEmptyOnes) {
    TProject project;
    project.Frames[5]->Objects.push_back(MakeTestObject(QStringLiteral("five"), true));
    project.Frames[20]->Objects.push_back(MakeTestObject(QStringLiteral("twenty"), true));
    project.CurrentFrame = 7;
    project.TimelineStep = 3;
    project.Zoom = 2.0L;
    ResizeFrames(project, 10);
    EXPECT_EQ(project.Frames.size(), 10u);
    EXPECT_EQ(project.FrameCount, 10);
    EXPECT_EQ(project.PlayEnd, 9);
    EXPECT_EQ(project.CurrentFrame, 0);
    EXPECT_EQ(project.TimelineStep, 0);
    EXPECT_EQ(project.Zoom, 1.0L);
    EXPECT_EQ(project.Frames[5]->Objects.size(), 1u);
    ResizeFrames(project, 50);
    EXPECT_EQ(project.Frames.size(), 50u);
    EXPECT_EQ(project.Frames[5]->Objects.size(), 1u);
    EXPECT_TRUE(project.Frames[20]->Objects.empty());
    EXPECT_EQ(project.PlayEnd, 49);
}

TEST(Project, ResetFreesFramesAndImages) {
    TProject project;
    project.FrameCount = 30;
    project.Frames[0]->Objects.push_back(MakeTestObject(QStringLiteral("x"), true));
    project.BitmapStore.push_back(std::make_shared<QImage>(2, 2, QImage::Format_RGB32));
    project.Zoom = 4.0L;
    project.TimelineStep = 2;
    project.CurrentFrame = 3;
    ResetFrames(project);
    EXPECT_EQ(project.Frames.size(), 30u);
    EXPECT_TRUE(project.Frames[0]->Objects.empty());
    EXPECT_TRUE(project.BitmapStore.empty());
    EXPECT_EQ(project.Zoom, 1.0L);
    EXPECT_EQ(project.TimelineStep, 0);
    EXPECT_EQ(project.CurrentFrame, 0);
    EXPECT_EQ(project.PlayEnd, 29);
}

TEST(FrameSwitch, StripsTheFrameLeftAndFollowsTheSelection) {
    TProject project;
    project.Frames[0]->Objects.push_back(MakeTestObject(QStringLiteral("kept"), true));
    project.Frames[3]->Objects.push_back(MakeTestObject(QStringLiteral("kept"), true));
    project.Frames[3]->Objects.push_back(MakeTestObject(QStringLiteral("between"), false));
    project.Frames[5]->Objects.push_back(MakeTestObject(QStringLiteral("kept"), true));
    project.CurrentFrame = 3;
    AddUndoRecord(project);
    bool changed = false;
    TTypesObject* selected = SwitchFrame(project, 5, QStringLiteral("kept"), changed);
    EXPECT_TRUE(changed);
    EXPECT_EQ(project.CurrentFrame, 5);
    EXPECT_TRUE(project.Frames[3]->Undo.empty());
    ASSERT_EQ(project.Frames[3]->Objects.size(), 1u);
    EXPECT_EQ(selected, project.Frames[5]->Objects[0].get());
}

TEST(FrameSwitch, WithoutPendingChangesNothingIsMarked) {
    TProject project;
    bool changed = false;
    EXPECT_EQ(SwitchFrame(project, 2, QStringLiteral("missing"), changed), nullptr);
    EXPECT_FALSE(changed);
    EXPECT_EQ(SwitchFrame(project, 0, QString(), changed), nullptr);
    EXPECT_EQ(project.CurrentFrame, 0);
}

TEST(FrameSwitch, TheMasterFrameIsNeverStripped) {
    TProject project;
    project.Frames[0]->Objects.push_back(MakeTestObject(QStringLiteral("m"), false));
    bool changed = false;
    SwitchFrame(project, 0, QString(), changed);
    SwitchFrame(project, 4, QString(), changed);
    EXPECT_EQ(project.Frames[0]->Objects.size(), 1u);
}
