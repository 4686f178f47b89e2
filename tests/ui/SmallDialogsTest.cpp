#include "ModalAnswers.h"
#include "ui/DialogService.h"
#include "ui/GroupForm.h"
#include "ui/InputDataForm.h"
#include "ui/InputForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

TEST(InputForm, OneValueHidesTheSecondFieldAndShrinks) {
    QString text = QStringLiteral("0");
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Eingabe"));
        EXPECT_EQ(Child<QLabel>(dialog, "Label1").text(), QStringLiteral("Winkel:"));
        EXPECT_FALSE(Child<QLineEdit>(dialog, "Edit2").isVisible());
        const int buttonTop = Child<QPushButton>(dialog, "OkButton").y();
        EXPECT_EQ(buttonTop, Child<QLineEdit>(dialog, "Edit1").y() + 35 + 12);
        EXPECT_EQ(dialog.size(), QSize(233, buttonTop + 30));
        Child<QLineEdit>(dialog, "Edit1").setText(QStringLiteral("45"));
        Press(dialog, "OkButton");
    });
    EXPECT_TRUE(InputValue(nullptr, QStringLiteral("Eingabe"), QStringLiteral("Winkel:"), text));
    EXPECT_EQ(text, QStringLiteral("45"));
}

TEST(InputForm, CancelLeavesBothTextsAlone) {
    QString x = QStringLiteral("1");
    QString y = QStringLiteral("2");
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.size(), QSize(233, 154));
        EXPECT_TRUE(Child<QLineEdit>(dialog, "Edit2").isVisible());
        EXPECT_EQ(Child<QLineEdit>(dialog, "Edit2").text(), QStringLiteral("2"));
        Child<QLineEdit>(dialog, "Edit1").setText(QStringLiteral("9"));
        Press(dialog, "CancelButton");
    });
    EXPECT_FALSE(InputValues(nullptr, QStringLiteral("Eingabe"), QStringLiteral("X:"),
                             QStringLiteral("Y:"), x, y));
    EXPECT_EQ(x + y, QStringLiteral("12"));
}

TEST(InputDataForm, GridShowsNumberedRowsAndOkWritesThemBack) {
    TPolyPointsEx points = {{1.5L, 2}, {3, 4}, {1.5L, 2}};
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Daten bearbeiten"));
        auto& grid = Child<QTableWidget>(dialog, "StringGrid1");
        ASSERT_EQ(grid.rowCount(), 2);
        EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), QStringLiteral("Punkt X"));
        EXPECT_EQ(grid.item(1, 0)->text(), QStringLiteral("2"));
        EXPECT_EQ(grid.item(0, 1)->text(), QStringLiteral("1,5"));
        EXPECT_EQ(grid.columnWidth(0), 35);
        grid.item(0, 2)->setText(QStringLiteral("7,25"));
        Press(dialog, "OkButton");
    });
    ASSERT_TRUE(EditPoints(nullptr, points, true));
    EXPECT_EQ(points[0].Y, 7.25L);
    EXPECT_EQ(points[2].Y, 7.25L);
}

TEST(InputDataForm, CancelKeepsThePoints) {
    TPolyPointsEx points = {{1, 2}, {3, 4}};
    WhenShown([](QDialog& dialog) {
        Child<QTableWidget>(dialog, "StringGrid1").item(0, 1)->setText(QStringLiteral("9"));
        Press(dialog, "CancelButton");
    });
    EXPECT_FALSE(EditPoints(nullptr, points, false));
    EXPECT_EQ(points[0].X, 1);
}

TEST(InputDataForm, AClosedListWithoutPointsShowsNoRows) {
    TPolyPointsEx none;
    EXPECT_TRUE(PointRows(none, true).empty());
    ApplyPointRows(none, true, {{QStringLiteral("1"), QStringLiteral("2")}});
    EXPECT_TRUE(none.empty());
}

TEST(GroupForm, OkReturnsTheTicksAndCancelKeepsThem) {
    std::vector<bool> checked = {false, true};
    const QStringList lines = {QStringLiteral("Polygon1"), QStringLiteral("Text1")};
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Gruppe wählen"));
        auto& list = Child<QListWidget>(dialog, "CheckListBox1");
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.item(1)->checkState(), Qt::Checked);
        list.item(0)->setCheckState(Qt::Checked);
        list.item(1)->setCheckState(Qt::Unchecked);
        Press(dialog, "OkButton");
    });
    ASSERT_TRUE(ChooseGroup(nullptr, lines, checked));
    EXPECT_EQ(checked, std::vector<bool>({true, false}));
    WhenShown([](QDialog& dialog) {
        Child<QListWidget>(dialog, "CheckListBox1").item(1)->setCheckState(Qt::Checked);
        Press(dialog, "CancelButton");
    });
    EXPECT_FALSE(ChooseGroup(nullptr, lines, checked));
    EXPECT_EQ(checked, std::vector<bool>({true, false}));
}

TEST(InputDataForm, EnterCommitsAChangedCellAndOtherwiseAccepts) {
    // Each case types into cell (row 1, Y) or not, then presses Enter until the dialog closes.
    struct TCase {
        bool OpenEditor;
        const char* Typed;
        int EntersToClose;
        Extended Y;
    };
    for (const TCase& c :
         {TCase{false, "", 1, 4}, TCase{true, "", 1, 4}, TCase{true, "9,5", 2, 9.5L}}) {
        TPolyPointsEx points = {{1, 2}, {3, 4}};
        int enters = 0;
        WhenShown([&](QDialog& dialog) {
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            auto& grid = Child<QTableWidget>(dialog, "StringGrid1");
            if (c.OpenEditor)
                grid.setCurrentCell(1, 2);
            if (*c.Typed) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(c.Typed));
            }
            while (dialog.isVisible() && enters < 3) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QCoreApplication::processEvents();
                ++enters;
            }
            if (dialog.isVisible())
                dialog.reject();
        });
        EXPECT_TRUE(EditPoints(nullptr, points, false)) << c.Typed;
        EXPECT_EQ(enters, c.EntersToClose) << c.Typed;
        EXPECT_EQ(points[1].Y, c.Y) << c.Typed;
    }
}

TEST(NameInput, AnswersWithOkAndAbbruchAndKeepsBlanks) {
    QString name = QStringLiteral("alt");
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Eingabe"));
        QStringList captions;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            captions << button->text();
        captions.sort();
        EXPECT_EQ(captions, QStringList({"Abbruch", "Ok"}));
        dialog.findChild<QLineEdit*>()->setText(QStringLiteral(" Ball "));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    TWidgetDialogService dialogs;
    ASSERT_TRUE(
        dialogs.InputText(nullptr, QStringLiteral("Eingabe"), QStringLiteral("Objektname:"), name));
    EXPECT_EQ(name, QStringLiteral(" Ball "));
}
