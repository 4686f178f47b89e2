#include "AnimTestSupport.h"

#include "core/anim/Anim.h"
#include "core/anim/FrameSwitch.h"

#include <gtest/gtest.h>

namespace {

const QString A = QStringLiteral("{A}");
const QString B = QStringLiteral("{B}");
const QString C = QStringLiteral("{C}");

TPlacement At(Extended x, Extended y, Extended angle = 0) {
    TPlacement placement;
    placement.Centre = {x, y};
    placement.Angle = angle;
    return placement;
}

const TPlacedTestObject& PlacedIn(TProject& project, int frame, int index = 0) {
    return static_cast<const TPlacedTestObject&>(*ObjectsOf(project, frame)[index]);
}

TProps PropsIn(TProject& project, int frame, int index = 0) {
    return ObjectsOf(project, frame)[index]->GetProps();
}

// Builds the frame, reads it with read, and strips it again as leaving it would.
template <typename Read> void Visit(TProject& project, int frame, Read&& read) {
    BuildFrame(project, frame);
    read();
    StripFrame(*project.Frames[frame]);
}

} // namespace

TEST(BuildFrame, KeysOnlyInTheMasterFrameShowTheMasterValues) {
    TProject project = ProjectOf(20);
    TProps props;
    props.Trans = 40;
    props.BrushColor = 0x123456;
    auto& placed = Add(project, 0, Placed(A, At(10, 20, 30)));
    placed.Placement.XPercent = 2;
    placed.ChangeProps(props, false);
    Add(project, 0, Polyline(B, {{1, 2}, {3, 4}}));
    for (const auto& object : ObjectsOf(project, 0))
        object->ChangeSelection(true, false);

    BuildFrame(project, 13);
    const TObjectList& built = ObjectsOf(project, 13);
    ASSERT_EQ(built.size(), 2u);
    EXPECT_EQ(built[0]->ID, A);
    EXPECT_EQ(built[1]->ID, B);
    const auto& copy = static_cast<const TPlacedTestObject&>(*built[0]);
    EXPECT_EQ(copy.Placement.Centre.X, 10);
    EXPECT_EQ(copy.Placement.Angle, 30);
    EXPECT_EQ(copy.Placement.XPercent, 2);
    EXPECT_EQ(copy.GetProps(), placed.GetProps());
    EXPECT_EQ(static_cast<const TTypesPolyline&>(*built[1]).Points()[1].Y, 4);
    for (const auto& object : built) {
        EXPECT_FALSE(object->AnyKeyFrame());
        EXPECT_FALSE(object->IsSelected());
    }
    EXPECT_TRUE(ObjectsOf(project, 0)[0]->IsSelected());
    StripFrame(*project.Frames[13]);
    EXPECT_TRUE(ObjectsOf(project, 13).empty());
}

TEST(BuildFrame, MovesInterpolateBetweenKeysAndHoldAfterTheLast) {
    TProject project = ProjectOf(20);
    Add(project, 0, Placed(A, At(100, 0)));
    Add(project, 10, Placed(A, At(200, 50), AspectBit(TAspect::Move)));
    Add(project, 0, Polyline(B, {{100, 0}, {0, 0}}));
    Add(project, 10, Polyline(B, {{200, 0}, {0, 100}}, AspectBit(TAspect::Move)));

    Visit(project, 4, [&] {
        EXPECT_EQ(PlacedIn(project, 4).Placement.Centre.X, 140);
        EXPECT_EQ(PlacedIn(project, 4).Placement.Centre.Y, 20);
        const auto& line = static_cast<const TTypesPolyline&>(*ObjectsOf(project, 4)[1]);
        EXPECT_EQ(line.Points()[0].X, 140);
        EXPECT_EQ(line.Points()[1].Y, 40);
    });
    for (const int frame : {11, 19})
        Visit(project, frame, [&] { EXPECT_EQ(PlacedIn(project, frame).Placement.Centre.X, 200); });
}

TEST(BuildFrame, OpacityStaysUnroundedAndAnglesInterpolateAsPlainNumbers) {
    TProject project = ProjectOf(10);
    Add(project, 0, Placed(A, At(0, 0, 350)));
    auto& turned = Add(project, 4, Placed(A, At(0, 0, 10), AspectBit(TAspect::Turn)));
    turned.Placement.YPercent = 9;
    TProps faded;
    faded.Trans = 0;
    Add(project, 3, Placed(A, At(0, 0), AspectBit(TAspect::Trans))).SetProps(faded);

    Visit(project, 1, [&] {
        EXPECT_EQ(PropsIn(project, 1).Trans, 100.0L + (0.0L - 100.0L) / 3 * 1);
        EXPECT_GT(PropsIn(project, 1).Trans, 66.666L);
        EXPECT_LT(PropsIn(project, 1).Trans, 66.667L);
    });
    Visit(project, 2, [&] {
        EXPECT_EQ(PlacedIn(project, 2).Placement.Angle, 180);
        EXPECT_EQ(PlacedIn(project, 2).Placement.YPercent, 1);
    });
}

TEST(BuildFrame, ColoursRoundHalfToEvenAndNoColourStaysNoColour) {
    TProject project = ProjectOf(10);
    TProps red;
    red.BrushColor = 0x0000FF;
    red.PenColor = 0x0000FF;
    TProps blue = red;
    blue.BrushColor = blue.PenColor = 0xFF0000;
    Add(project, 0, Placed(A, At(0, 0))).SetProps(red);
    Add(project, 2, Placed(A, At(0, 0), AspectBit(TAspect::Color))).SetProps(blue);
    Add(project, 0, Placed(B, At(0, 0)));
    Add(project, 4, Placed(B, At(0, 0), AspectBit(TAspect::Color)));
    Add(project, 0, Placed(C, At(0, 0)));

    Visit(project, 1, [&] {
        EXPECT_EQ(PropsIn(project, 1, 0).BrushColor, 0x80007F);
        EXPECT_EQ(PropsIn(project, 1, 0).PenColor, 0x80007F);
    });
    for (const int frame : {1, 2, 3})
        Visit(project, frame, [&] { EXPECT_EQ(PropsIn(project, frame, 1).BrushColor, 0xFFFFFF); });
    Visit(project, 7, [&] {
        EXPECT_EQ(PropsIn(project, 7, 0).BrushColor, 0xFF0000);
        EXPECT_EQ(PropsIn(project, 7, 1).PenColor, clNone);
        EXPECT_EQ(PropsIn(project, 7, 2).BrushColor, clNone);
    });
}

TEST(BuildFrame, PointCountsDecideWhatACopyShows) {
    TProject project = ProjectOf(20);
    const TPolyPointsEx five{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}};
    Add(project, 0, Polyline(A, five));
    Add(project, 8, Polyline(A, {{0, 0}, {20, 0}, {20, 20}, {0, 20}}, AspectBit(TAspect::Move)));
    Add(project, 12, Polyline(A, {{0, 0}, {40, 0}, {40, 40}, {0, 40}}, AspectBit(TAspect::Move)));
    Add(project, 16, Polyline(A, five, AspectBit(TAspect::Move)));
    const auto pointsIn = [&](int frame) {
        return static_cast<const TTypesPolyline&>(*ObjectsOf(project, frame)[0]).Points();
    };

    Visit(project, 10, [&] {
        ASSERT_EQ(pointsIn(10).size(), 4u);
        EXPECT_EQ(pointsIn(10)[1].X, 30);
    });
    Visit(project, 14, [&] {
        ASSERT_EQ(pointsIn(14).size(), 5u);
        EXPECT_EQ(pointsIn(14)[1].X, 10);
    });
    BuildFrame(project, 8);
    ASSERT_EQ(ObjectsOf(project, 8).size(), 1u);
    EXPECT_FALSE(ObjectsOf(project, 8)[0]->AnyKeyFrame());
    StripFrame(*project.Frames[8]);
    EXPECT_TRUE(ObjectsOf(project, 8).empty());
}

TEST(BuildFrame, DeletesCopiesThatNoLongerFitTheirMaster) {
    TProject project = ProjectOf(5);
    const TPolyPointsEx square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    Add(project, 0, ClosedPolygon(A, square, TProps()));
    Add(project, 0, Polyline(B, {{0, 0}, {1, 1}}));
    auto open = std::make_unique<TTypesPolygon>(1.0L);
    open->ID = A;
    open->SetPoints({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    open->KeyFrameMove = true;
    Add(project, 2, std::move(open));
    Add(project, 2, Placed(B, At(0, 0)));
    Add(project, 2, Placed(C, At(0, 0)));
    Add(project, 2, Polyline(B, {{7, 7}, {8, 8}}, 0));

    BuildFrame(project, 2);
    const TObjectList& built = ObjectsOf(project, 2);
    ASSERT_EQ(built.size(), 2u);
    EXPECT_TRUE(static_cast<const TTypesPolygon&>(*built[0]).Closed());
    EXPECT_EQ(built[1]->ID, B);
    EXPECT_NE(dynamic_cast<const TTypesPolyline*>(built[1].get()), nullptr);
    EXPECT_EQ(built[1]->AspectPoints()->front().X, 0);
    EXPECT_FALSE(built[0]->AnyKeyFrame());
}

TEST(BuildFrame, StoredCopiesKeepTheirPlaceAndTakeTheMastersStillProperties) {
    TProject project = ProjectOf(5);
    TProps master;
    master.PenWidth = 7;
    master.FontSize = 40;
    for (const QString& id : {A, B, C})
        Add(project, 0, Placed(id, At(0, 0))).SetProps(master);
    TProps own;
    own.PenWidth = 2;
    Add(project, 3, Placed(C, At(5, 5), AspectBit(TAspect::Move))).SetProps(own);
    Add(project, 3, Placed(A, At(5, 5), AspectBit(TAspect::Trans) | AspectBit(TAspect::Color)))
        .SetProps(own);

    BuildFrame(project, 3);
    const TObjectList& built = ObjectsOf(project, 3);
    ASSERT_EQ(built.size(), 3u);
    EXPECT_EQ(built[0]->ID, C);
    EXPECT_EQ(built[1]->ID, B);
    EXPECT_EQ(built[2]->ID, A);
    EXPECT_EQ(built[0]->GetProps().PenWidth, 7);
    EXPECT_EQ(built[0]->GetProps().FontSize, 40);
    EXPECT_EQ(PlacedIn(project, 3, 0).Placement.Centre.X, 5);
    EXPECT_EQ(built[2]->GetProps().PenWidth, 2);
    EXPECT_EQ(PlacedIn(project, 3, 2).Placement.Centre.X, 0);
}

TEST(BuildFrame, TheMasterFrameIsOnlyDeselectedAndRepeatedIdsAreSafe) {
    TProject project = ProjectOf(3);
    Add(project, 0, Placed(A, At(0, 0))).ChangeSelection(true, false);
    Add(project, 0, Placed(A, At(1, 1)));
    Add(project, 0, Placed(B, At(2, 2))).KeyFrameMove = false;
    BuildFrame(project, 0);
    ASSERT_EQ(ObjectsOf(project, 0).size(), 3u);
    EXPECT_FALSE(ObjectsOf(project, 0)[0]->IsSelected());

    BuildFrame(project, 1);
    ASSERT_EQ(ObjectsOf(project, 1).size(), 2u);
    EXPECT_EQ(ObjectsOf(project, 1)[1]->ID, B);
}

TEST(FrameSwitch, AnEditOutsideTheMasterFrameKeysExactlyTheChangedAspects) {
    TProject project = ProjectOf(10);
    Add(project, 0, Polyline(A, {{0, 0}, {10, 0}}));
    bool changed = false;
    TTypesObject* copy = SwitchFrame(project, 5, A, changed);
    ASSERT_NE(copy, nullptr);
    copy->Move(3, 0);
    TProps props = copy->GetProps();
    props.Trans = 50;
    props.PenWidth = 9;
    copy->ChangeProps(props, false);
    EXPECT_EQ(KeyFrameAspects(*copy), AspectBit(TAspect::Move) | AspectBit(TAspect::Trans));

    copy = SwitchFrame(project, 5, A, changed);
    ASSERT_EQ(ObjectsOf(project, 5).size(), 1u);
    EXPECT_EQ(KeyFrameAspects(*copy), AspectBit(TAspect::Move) | AspectBit(TAspect::Trans));
    EXPECT_EQ(copy->AspectPoints()->front().X, 3);
    EXPECT_EQ(copy->GetProps().PenWidth, 1);

    copy = SwitchFrame(project, 8, A, changed);
    EXPECT_EQ(copy->AspectPoints()->front().X, 3);
    EXPECT_EQ(copy->GetProps().Trans, 50);
    EXPECT_FALSE(copy->AnyKeyFrame());
    EXPECT_EQ(ObjectsOf(project, 5).size(), 1u);
}
