#include "CanvasFixture.h"
#include "core/anim/RenderFrame.h"
#include "core/io/ProjectFile.h"
#include "core/objects/TypesPolygon.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QDir>
#include <QToolButton>

namespace {
// A black 6 x 6 square with its left edge at left, closed as the creation tool closes outlines.
std::unique_ptr<TTypesPolygon> Square(Extended left) {
    TProps props;
    props.BrushColor = 0x000000;
    props.PenShow = false;
    auto square = std::make_unique<TTypesPolygon>(nullptr, props, 1.0L);
    square->SetPoints({{left, 40}, {left + 6, 40}, {left + 6, 46}, {left, 46}});
    bool flag = false;
    square->CreateMouseDown(TMouseButton::mbLeft, 0, 5000, 5000, flag);
    square->CreateMouseUp(TMouseButton::mbLeft, 0, RoundHalfEven(left), 40);
    square->ChangeSelection(false, false);
    return square;
}

// 200 x 100, 20 frames; the square moves 10 pixels right per frame from x = 20.
QString SquareProjectFile() {
    TProject project;
    project.ProjectWidth = 200;
    project.ProjectHeight = 100;
    project.FrameCount = 20;
    CreateFrames(project, 20);
    project.PlayEnd = 19;
    auto first = Square(20);
    auto last = Square(20 + 10 * 19);
    last->ID = first->ID;
    project.Frames[0]->Objects.push_back(std::move(first));
    project.Frames[19]->Objects.push_back(std::move(last));
    const QString file = QDir(TestScratchFolder()).filePath(QStringLiteral("onion.kvp"));
    SaveProject(project, file);
    return file;
}

enum class TShade { Background, Solid, Red, Green };

TShade ShadeOf(const QColor& c) {
    if (c == Qt::white)
        return TShade::Background;
    if (c.red() < 60 && c.green() < 60)
        return TShade::Solid;
    return c.red() > c.green() ? TShade::Red : TShade::Green;
}
} // namespace

class OnionSkin : public CanvasFixture {
protected:
    void SetUp() override {
        CanvasFixture::SetUp();
        Dialogs.Files = {SquareProjectFile()};
        Action("OpenAction1")->trigger();
        ASSERT_EQ(Window->Project().ProjectWidth, 200);
    }

    QCheckBox* Switch() { return Window->findChild<QCheckBox*>(QStringLiteral("OnionCheck")); }

    void ShowFrame(int frame) {
        Combo("FrameCombo")->setCurrentIndex(frame);
        emit Combo("FrameCombo")->activated(frame);
    }

    // What the canvas shows at the middle of the square's place in frame.
    QColor ShownAt(int frame) {
        const QPoint at = At(23 + 10 * frame, 43);
        return Canvas->viewport()->grab().toImage().pixelColor(at);
    }

    std::vector<TShade> Row(int firstFrame, int lastFrame) {
        std::vector<TShade> shades;
        for (int frame = firstFrame; frame <= lastFrame; ++frame)
            shades.push_back(ShadeOf(ShownAt(frame)));
        return shades;
    }
};

using S = TShade;

TEST_F(OnionSkin, NeighboursShowTintedAndFadingWithinTheirCounts) {
    ShowFrame(5);
    EXPECT_EQ(Row(2, 8), (std::vector<S>{S::Background, S::Background, S::Background, S::Solid,
                                         S::Background, S::Background, S::Background}))
        << "off by default";

    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    QTest::keyClick(Window.get(), Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(Switch()->isChecked());
    EXPECT_EQ(Row(2, 8), (std::vector<S>{S::Background, S::Red, S::Red, S::Solid, S::Green,
                                         S::Background, S::Background}));
    EXPECT_GT(ShownAt(3).green(), ShownAt(4).green()) << "the farther frame is fainter";

    Dialogs.OnionAnswers = {TOnionSettings{true, 0, 0, 30}};
    Action("SettingsAction1")->trigger();
    ShowFrame(5);
    EXPECT_EQ(Row(3, 7), (std::vector<S>{S::Background, S::Background, S::Solid, S::Background,
                                         S::Background}));
}

TEST_F(OnionSkin, TheMasterFrameShowsOnlyLaterFramesAndExportsNeverShowAny) {
    Switch()->setChecked(true);
    ShowFrame(0);
    EXPECT_EQ(Row(0, 3), (std::vector<S>{S::Solid, S::Green, S::Background, S::Background}));

    QImage frame;
    RenderFrame(Window->Project(), 6, frame);
    for (const int neighbour : {4, 5, 7})
        EXPECT_EQ(frame.pixelColor(23 + 10 * neighbour, 43), Qt::white) << neighbour;
}

TEST_F(OnionSkin, NeighboursFollowTheStoredFramesNotPendingEdits) {
    Switch()->setChecked(true);
    ShowFrame(5);
    Tool("SelectionAction1");
    Drag({73, 43}, {73, 73});
    ASSERT_FALSE(Objects().empty());
    EXPECT_EQ(ShadeOf(ShownAt(4)), S::Red) << "pending: neighbours as stored";

    Action("UndoAction1")->trigger();
    EXPECT_EQ(Row(3, 6), (std::vector<S>{S::Red, S::Red, S::Solid, S::Green}));

    Drag({73, 43}, {73, 73});
    Window->findChild<QToolButton*>(QStringLiteral("TakeSpeed"))->click();
    // Frame 5 is now a keyframe 30 pixels lower, so frame 4 lies between it and the master.
    EXPECT_EQ(ShadeOf(ShownAt(4)), S::Background);
}
