#include "CanvasFixture.h"
#include "ModalAnswers.h"

#include "ui/MessageForm.h"
#include "ui/TimelineGrid.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>
#include <limits>

namespace {
// Scripted answers, except that the frame question is the real dialog.
class TRealChoiceDialogs : public TScriptedDialogs {
public:
    int ShowChoiceDialog(QWidget* parent, const QString& title, const QString& text,
                         const QString& caption1, const QString& caption3,
                         const QString& caption2) override {
        return TWidgetDialogService().ShowChoiceDialog(parent, title, text, caption1, caption3,
                                                       caption2);
    }
};

// The point grid answers after an event loop of its own has run for a while, as a person
// looking at a real dialog would; the frames current before and after are noted.
class TSlowPointDialogs : public TScriptedDialogs {
public:
    bool EditPoints(QWidget* parent, TPolyPointsEx& points, bool closed) override {
        FramesSeen.push_back(Project->CurrentFrame);
        QEventLoop loop;
        QTimer::singleShot(300, &loop, &QEventLoop::quit);
        loop.exec();
        FramesSeen.push_back(Project->CurrentFrame);
        return TScriptedDialogs::EditPoints(parent, points, closed);
    }
    TProject* Project = nullptr;
    std::vector<int> FramesSeen;
};

class EditorGuards : public CanvasFixture {
protected:
    TTimelineGrid* Grid() const { return Window->findChild<TTimelineGrid*>(); }
    void ClickHeader(int column) {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {},
                          Grid()->CellRect(column, 0).center());
    }
    QToolButton* Button(const char* name) const {
        return Window->findChild<QToolButton*>(QString::fromLatin1(name));
    }
};

const char* const kCreationTools[] = {
    "PolylineAction1", "BezierPolylineAction1", "PolygonAction1", "BezierPolygonAction1",
    "BitmapAction1",   "TextAction1",           "FormAction1"};
} // namespace

TEST(ChoiceDialog, ButtonsEnterEscapeAndCloseGiveTheirAnswers) {
    const std::vector<std::pair<std::function<void(QDialog&)>, int>> cases = {
        {[](QDialog& d) { Press(d, "ChoiceLeft"); }, 0},
        {[](QDialog& d) { Press(d, "ChoiceMiddle"); }, 1},
        {[](QDialog& d) { Press(d, "ChoiceRight"); }, 2},
        {[](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }, 0},
        {[](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 2},
        {[](QDialog& d) { d.close(); }, 2},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        WhenShown([&](QDialog& dialog) {
            for (auto* button : dialog.findChildren<QPushButton*>())
                EXPECT_GE(button->width(), button->sizeHint().width())
                    << button->text().toStdString();
            cases[i].first(dialog);
        });
        TMessageForm form;
        EXPECT_EQ(form.ShowChoice(QStringLiteral("Information"), QStringLiteral("Frage"),
                                  QStringLiteral("Übernehmen"), QStringLiteral("Abbruch"),
                                  QStringLiteral("Verwerfen")),
                  cases[i].second)
            << "case " << i;
    }
}

TEST_F(EditorGuards, TheRealFrameQuestionTakesOverDiscardsOrCancels) {
    TRealChoiceDialogs real;
    OpenWindow(real);
    struct TCase {
        const char* Button;
        int FrameAfter;
        std::size_t MasterObjects;
        std::size_t Pending;
    };
    for (const TCase& c : {TCase{"ChoiceLeft", 3, 1, 0}, TCase{"ChoiceMiddle", 3, 0, 0},
                           TCase{"ChoiceRight", 0, 1, 1}}) {
        Window->ResetProject();
        DrawLine({10, 10}, {60, 60});
        WhenShown([&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Information"));
            Press(dialog, c.Button);
        });
        Combo("FrameCombo")->setCurrentIndex(3);
        emit Combo("FrameCombo")->activated(3);
        EXPECT_EQ(Window->Project().CurrentFrame, c.FrameAfter) << c.Button;
        EXPECT_EQ(Window->Project().Master().Objects.size(), c.MasterObjects) << c.Button;
        EXPECT_EQ(Window->Project().CurrentUndo().size(), c.Pending) << c.Button;
        // After a cancel the master frame looks like the master frame again.
        EXPECT_EQ(Button("ModeSpeed2")->isVisible(), c.FrameAfter == 0) << c.Button;
        EXPECT_EQ(Action("PolylineAction1")->isEnabled(), c.FrameAfter == 0) << c.Button;
        if (c.FrameAfter != 0)
            ClickHeader(1);
    }
}

TEST_F(EditorGuards, ObjectsAreCreatedOnlyInTheMasterFrame) {
    DrawLine({10, 10}, {60, 60});
    ClickHeader(4);
    ASSERT_EQ(Window->Project().CurrentFrame, 3);
    for (const char* tool : kCreationTools) {
        EXPECT_FALSE(Action(tool)->isEnabled()) << tool;
        Action(tool)->trigger();
        EXPECT_TRUE(Action("SelectionAction1")->isChecked()) << tool;
    }
    // Even a creation tool left checked by other means neither creates nor extends.
    ASSERT_TRUE(Objects()[0]->IsSelected());
    Action("PolylineAction1")->setChecked(true);
    Drag({100, 100}, {150, 120});
    ASSERT_EQ(Objects().size(), 1u);
    EXPECT_EQ(PointsOf(0).Points().size(), 2u);
    EXPECT_TRUE(Window->Project().CurrentUndo().empty());

    ClickHeader(1);
    for (const char* tool : kCreationTools)
        EXPECT_TRUE(Action(tool)->isEnabled()) << tool;
}

TEST_F(EditorGuards, AModalDialogPausesPlaybackAndEditsTheFrameItOpenedOn) {
    TSlowPointDialogs slow;
    OpenWindow(slow);
    slow.Project = &Window->Project();
    DrawLine({10, 10}, {60, 60});
    ClickHeader(1);
    Window->Project().FramesPerSec = 50;
    slow.PointAnswers.push_back({{QStringLiteral("20"), QStringLiteral("30")},
                                 {QStringLiteral("60"), QStringLiteral("60")}});
    Button("PlaySpeed")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Window->Project().CurrentFrame >= 2; }, 5000));
    Action("DataAction1")->trigger();
    ASSERT_EQ(slow.FramesSeen.size(), 2u);
    EXPECT_EQ(slow.FramesSeen[0], slow.FramesSeen[1]);
    Button("StopSpeed")->click();
    QTest::qWait(50);

    const int edited = slow.FramesSeen[0];
    const TObjectList& copies = Window->Project().Frames[edited]->Objects;
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(copies[0]->KeyFrameMove);
    EXPECT_TRUE(PointIs(copies[0]->AspectPoints()->front(), 20, 30));
}

TEST_F(EditorGuards, ViewBoxesTakeTheWheelOnlyWithTheFocus) {
    const auto wheel = [](QWidget* widget) {
        QWheelEvent event(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    };
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    for (const char* name : {"FrameCombo", "ZoomCombo", "StepCombo"}) {
        QComboBox* box = Combo(name);
        const int before = box->currentIndex();
        View->setFocus();
        wheel(box);
        EXPECT_EQ(box->currentIndex(), before) << name;
    }
    EXPECT_EQ(Window->Project().CurrentFrame, 0);
    EXPECT_EQ(Window->Project().Zoom, 1.0L);
    Combo("StepCombo")->setFocus();
    wheel(Combo("StepCombo"));
    EXPECT_NE(Combo("StepCombo")->currentIndex(), 0);
}

TEST_F(EditorGuards, FittingATinyCanvasKeepsAUsableZoom) {
    Window->resize(320, 200);
    QTest::qWait(10);
    ASSERT_LT(std::min(View->width(), View->height()), 2 * TProject::Margin);
    emit Combo("ZoomCombo")->activated(0);
    EXPECT_GE(Window->Project().Zoom, 0.05L);
    DrawLine({1, 1}, {3, 3});
    EXPECT_EQ(Objects().size(), 1u);
}

TEST_F(EditorGuards, ReleasingWithShiftEndsAMultiSelectionMove) {
    DrawLine({10, 10}, {60, 60});
    DrawLine({100, 10}, {160, 60});
    Tool("SelectionAction1");
    Drag({5, 5}, {200, 100});
    ASSERT_TRUE(Action("DeleteAction1")->isEnabled());
    Window->Project().CurrentUndo().clear();
    QTest::mousePress(View, Qt::LeftButton, {}, At(30, 30));
    QTest::mouseMove(View, At(40, 40));
    QTest::mouseRelease(View, Qt::LeftButton, Qt::ShiftModifier, At(40, 40));
    EXPECT_EQ(Window->Project().CurrentUndo().size(), 2u);
    EXPECT_TRUE(PointIs(PointsOf(0).Points()[0], 20, 20));

    // Dropping the multi-selection before a file command refreshes the commands too.
    Action("SaveAsAction1")->trigger();
    EXPECT_FALSE(Action("DeleteAction1")->isEnabled());
}

TEST_F(EditorGuards, HelpAndInfoAreOfferedWhateverIsSelected) {
    DrawLine({10, 10}, {60, 60});
    for (const bool selected : {false, true}) {
        Tool("SelectionAction1");
        if (selected)
            Click({35, 35});
        ASSERT_EQ(Action("DeleteAction1")->isEnabled(), selected);
        for (const char* name : {"ContentAction1", "AboutAction1"})
            EXPECT_TRUE(Action(name)->isEnabled()) << name;
    }
}

TEST_F(EditorGuards, ThePlaybackRangeIsSavedWorkAndAStoredOneBeyondTheFramesIsSafe) {
    ClickHeader(5);
    Button("LeftSpeed")->click();
    ClickHeader(8);
    Button("RightSpeed")->click();
    EXPECT_EQ(Window->Project().PlayStart, 4);
    EXPECT_EQ(Window->Project().PlayEnd, 7);
    EXPECT_TRUE(Window->IsModified());

    // A file keeps its range as stored; playback stays within the frames there are.
    Window->Project().PlayEnd = std::numeric_limits<std::int32_t>::max();
    Window->Project().FramesPerSec = 100;
    ClickHeader(47);
    Button("PlaySpeed")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Button("PlaySpeed")->isChecked(); }, 5000));
    EXPECT_EQ(Window->Project().CurrentFrame, 49);
}
