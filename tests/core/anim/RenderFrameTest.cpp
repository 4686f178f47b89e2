#include "AnimTestSupport.h"
#include "RandomScene.h"

#include "core/anim/RenderFrame.h"

#include <array>
#include <gtest/gtest.h>
#include <thread>

namespace {

const QString A = QStringLiteral("{A}");
const QString B = QStringLiteral("{B}");

TPolyPointsEx Rect(Extended left, Extended top, Extended right, Extended bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

TProps Filled(TColor color, std::int32_t mask = MASK_NONE) {
    TProps props;
    props.BrushColor = color;
    props.PenColor = 0x000000;
    props.PenShow = false;
    props.Mask = mask;
    return props;
}

TProject SmallProject(int frames) {
    TProject project = ProjectOf(frames);
    project.ProjectWidth = 40;
    project.ProjectHeight = 30;
    return project;
}

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

} // namespace

TEST(RenderFrame, TheMasterFrameIsDrawnAtZoomOneWithoutBuildingOrStripping) {
    TProject project = SmallProject(3);
    project.Zoom = 2;
    project.BackgroundColor = 0x00FF00;
    auto& square = Add(project, 0, ClosedPolygon(A, Rect(0, 0, 10, 10), Filled(0x0000FF)));
    square.ChangeZoom(2, false);
    Add(project, 0, Polyline(B, {{0, 0}, {1, 1}}, 0));
    Add(project, 2, Polyline(B, {{0, 0}, {1, 1}}, 0));

    QImage image;
    RenderFrame(project, 0, image);
    EXPECT_EQ(image.size(), QSize(40, 30));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(Pixel(image, 5, 5), 0xFF0000u);
    EXPECT_EQ(Pixel(image, 15, 15), 0x00FF00u);
    EXPECT_EQ(ObjectsOf(project, 0).size(), 2u);
    EXPECT_EQ(ObjectsOf(project, 2).size(), 1u);
    EXPECT_EQ(square.Zoom(), 2);
    EXPECT_EQ(square.TableBitmap(), nullptr);
}

TEST(RenderFrame, OtherFramesAreBuiltForDrawingAndStrippedAfterwards) {
    TProject project = SmallProject(5);
    Add(project, 0, ClosedPolygon(A, Rect(0, 0, 10, 10), Filled(0x0000FF)));
    Add(project, 4,
        ClosedPolygon(A, Rect(20, 0, 30, 10), Filled(0x0000FF), AspectBit(TAspect::Move)));

    QImage image;
    RenderFrame(project, 2, image);
    EXPECT_EQ(Pixel(image, 15, 5), 0xFF0000u);
    EXPECT_EQ(Pixel(image, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(ObjectsOf(project, 2).size(), 0u);
    ASSERT_EQ(ObjectsOf(project, 4).size(), 1u);
    EXPECT_EQ(ObjectsOf(project, 4)[0]->TableBitmap(), nullptr);
}

TEST(RenderFrame, AMaskLimitsEveryLaterObjectAndLeavesNoTraceOfItself) {
    TProject project = SmallProject(3);
    Add(project, 0, ClosedPolygon(A, Rect(0, 0, 20, 30), Filled(0x000000, MASK_AND)));
    Add(project, 0, ClosedPolygon(B, Rect(0, 0, 40, 30), Filled(0x0000FF)));
    Add(project, 0, ClosedPolygon(QStringLiteral("{C}"), Rect(10, 0, 40, 30), Filled(0xFF0000)));

    for (const int frame : {0, 1}) {
        QImage image;
        RenderFrame(project, frame, image);
        EXPECT_EQ(Pixel(image, 5, 15), 0xFF0000u) << frame;
        EXPECT_EQ(Pixel(image, 15, 15), 0x0000FFu) << frame;
        EXPECT_EQ(Pixel(image, 25, 15), 0xFFFFFFu) << frame;
        EXPECT_EQ(Pixel(image, 35, 15), 0xFFFFFFu) << frame;
    }

    TProject alone = SmallProject(1);
    Add(alone, 0, ClosedPolygon(A, Rect(5, 5, 35, 25), Filled(0x000000, MASK_DIFF)))
        .ChangeSelection(false, false);
    QImage image;
    RenderFrame(alone, 0, image);
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(0xFFFFFFFF);
    EXPECT_EQ(image, white);
}

TEST(RenderFrame, TheBackgroundImageIsStretchedOverTheColour) {
    TProject project = SmallProject(1);
    QImage background(2, 1, QImage::Format_RGB32);
    background.setPixel(0, 0, 0xFFFF0000);
    background.setPixel(1, 0, 0xFF0000FF);
    project.BackgroundBitmap = background;
    project.BackgroundColor = 0x00FF00;
    QImage image(3, 3, QImage::Format_RGB888);
    RenderFrame(project, 0, image);
    EXPECT_EQ(Pixel(image, 0, 29), 0x00FF00u);
    project.BackgroundType = 1;
    RenderFrame(project, 0, image);
    EXPECT_EQ(Pixel(image, 2, 2), 0xFF0000u);
    EXPECT_EQ(Pixel(image, 37, 27), 0x0000FFu);
}

TEST(RenderFrame, TheEditorsSelectionAndBuiltFrameNeitherShowNorChange) {
    TProject project = SmallProject(4);
    auto& square = Add(project, 0, ClosedPolygon(A, Rect(5, 5, 15, 15), Filled(0x0000FF)));
    Add(project, 3,
        ClosedPolygon(A, Rect(25, 5, 35, 15), Filled(0x0000FF), AspectBit(TAspect::Move)));
    std::array<QImage, 3> unselected;
    for (const int frame : {0, 2})
        RenderFrame(project, frame, unselected[frame]);

    square.ChangeSelection(true, false);
    project.CurrentFrame = 2;
    BuildFrame(project, 2);
    TTypesObject* shown = ObjectsOf(project, 2)[0].get();
    shown->ChangeSelection(true, false);
    for (const int frame : {0, 2}) {
        QImage image;
        RenderFrame(project, frame, image);
        EXPECT_EQ(image, unselected[frame]) << frame;
    }
    EXPECT_TRUE(square.IsSelected());
    ASSERT_EQ(ObjectsOf(project, 2).size(), 1u);
    EXPECT_EQ(ObjectsOf(project, 2)[0].get(), shown);
    EXPECT_TRUE(shown->IsSelected());
}

TEST(RenderFrame, TwoFramesDrawnAtOnceMatchTheFramesDrawnAloneAndTheProjectStaysAsItWas) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        TRandomScene scene(seed, 160, 120);
        const TProject& project = scene.Project;
        const QByteArray before = ProjectBytes(scene.Project);
        const int current = project.CurrentFrame;
        const std::array<int, 2> frames{
            current,
            (current + 1 + static_cast<int>(seed) % (project.FrameCount - 1)) % project.FrameCount};
        std::array<QImage, 2> alone;
        for (std::size_t i = 0; i < frames.size(); ++i)
            RenderFrame(project, frames[i], alone[i]);

        std::array<QImage, 2> together;
        const auto render = [&](std::size_t i) {
            for (int round = 0; round < 3; ++round)
                RenderFrame(project, frames[i], together[i]);
        };
        std::thread first(render, 0);
        std::thread second(render, 1);
        first.join();
        second.join();
        for (std::size_t i = 0; i < frames.size(); ++i)
            EXPECT_EQ(together[i], alone[i]) << "seed " << seed << " frame " << frames[i];
        EXPECT_EQ(ProjectBytes(scene.Project), before) << "seed " << seed;
        EXPECT_TRUE(!scene.Selected || scene.Selected->IsSelected()) << "seed " << seed;
    }
}
