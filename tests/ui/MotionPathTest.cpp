#include "CanvasFixture.h"

#include <QImage>

namespace {
const QColor Yellow(255, 255, 0);

class MotionPath : public CanvasFixture {
protected:
    // A line from (20, 20) to (40, 40) in the master frame, selected; its anchor is (30, 30).
    void SetUp() override {
        CanvasFixture::SetUp();
        DrawLine({20, 20}, {40, 40});
        Window->Project().ShowPaths = true;
    }

    // A move keyframe of the line in frame, shifted by (dx, dy) project pixels.
    void KeyLine(int frame, Extended dx, Extended dy) {
        std::unique_ptr<TTypesObject> key = CloneObject(Objects()[0].get(), 1.0L);
        TPolyPointsEx points = *key->AspectPoints();
        for (TPointEx& point : points)
            point = {point.X + dx, point.Y + dy};
        key->SetAspectPoints(points);
        key->KeyFrameTurn = key->KeyFrameStretch = key->KeyFrameTrans = key->KeyFrameColor = false;
        Window->Project().Frames[frame]->Objects.push_back(std::move(key));
    }

    QImage Shot() const { return View->grab().toImage(); }

    static int YellowPixels(const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == Yellow;
        return count;
    }

    // A 4 x 4 marker around (x, y) in zoomed project-area pixels, right and bottom edges out.
    ::testing::AssertionResult MarkerAt(const QImage& image, int x, int y) const {
        const QPoint corner = AreaCorner();
        for (int dy = -3; dy <= 2; ++dy)
            for (int dx = -3; dx <= 2; ++dx) {
                const bool inside = dx >= -2 && dx <= 1 && dy >= -2 && dy <= 1;
                const QPoint at = corner + QPoint(x + dx, y + dy);
                if ((image.pixelColor(at) == Yellow) != inside)
                    return ::testing::AssertionFailure() << "pixel (" << x + dx << ", " << y + dy
                                                         << ") around (" << x << ", " << y << ")";
            }
        return ::testing::AssertionSuccess();
    }
};
} // namespace

TEST_F(MotionPath, AKeyOnlyInTheMasterFrameMarksEveryFrameAtOnePlace) {
    const QImage image = Shot();
    EXPECT_TRUE(MarkerAt(image, 30, 30));
    EXPECT_EQ(YellowPixels(image), 16);
}

TEST_F(MotionPath, NothingWithoutASelectionOrWithPathsOff) {
    Window->Project().ShowPaths = false;
    EXPECT_EQ(YellowPixels(Shot()), 0);
    Window->Project().ShowPaths = true;
    Tool("SelectionAction1");
    EXPECT_EQ(YellowPixels(Shot()), 0);
}

TEST_F(MotionPath, EveryFrameIsMarkedAtTheZoomAlsoOutsideThePlaybackRange) {
    KeyLine(10, 100, 50);
    Window->Project().PlayStart = 2;
    Window->Project().PlayEnd = 5;
    Combo("ZoomCombo")->setCurrentIndex(2);
    emit Combo("ZoomCombo")->activated(2);
    ASSERT_EQ(Window->Project().Zoom, 0.5L);
    const QImage image = Shot();
    // Frames 0 to 9 each have a place of their own; frames 10 to 49 share the key's.
    for (int frame = 0; frame <= 10; ++frame)
        EXPECT_TRUE(MarkerAt(image, RoundHalfEven((30 + 10 * frame) * 0.5L),
                             RoundHalfEven((30 + 5 * frame) * 0.5L)))
            << "frame " << frame;
    EXPECT_EQ(YellowPixels(image), 11 * 16);
}

TEST_F(MotionPath, SplinesBendThePath) {
    KeyLine(10, 100, 100);
    KeyLine(20, 200, 0);
    EXPECT_TRUE(MarkerAt(Shot(), 80, 80));
    Window->Project().Splines = true;
    const QImage image = Shot();
    // Each end of the line follows its own spline: 20 + 68.75 and 40 + 68.75, rounded.
    EXPECT_TRUE(MarkerAt(image, 80, 99));
    EXPECT_NE(image.pixelColor(AreaCorner() + QPoint(80, 80)), Yellow);
}
