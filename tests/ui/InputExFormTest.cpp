#include "ui/InputExForm.h"
#include "ModalAnswers.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QStringList Items = {"A", "B", "C"};

} // namespace

TEST(InputExForm, OkReturnsTheEditAndTheChoice) {
    int index = 1;
    QString text = QStringLiteral("vorher");
    WhenShown([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Eingabe"));
        EXPECT_EQ(dialog.size(), QSize(233, 154));
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 2);
        EXPECT_EQ(labels[0]->text() + labels[1]->text(), QStringLiteral("TextType"));
        auto& edit = Child<QLineEdit>(dialog, "InputEdit");
        EXPECT_EQ(edit.text(), QStringLiteral("vorher"));
        auto& list = Child<QComboBox>(dialog, "InputList");
        EXPECT_FALSE(list.isEditable());
        EXPECT_EQ(list.count(), 3);
        EXPECT_EQ(list.currentIndex(), 1);
        auto& ok = Child<QPushButton>(dialog, "InputOk");
        EXPECT_TRUE(ok.isDefault());
        EXPECT_EQ(ok.text(), QStringLiteral("Ok"));
        EXPECT_EQ(Child<QPushButton>(dialog, "InputCancel").text(), QStringLiteral("Abbruch"));
        edit.setText(QStringLiteral(" neu  "));
        list.setCurrentIndex(2);
        QTest::keyClick(&edit, Qt::Key_Return);
    });
    EXPECT_TRUE(ShowInputEx(nullptr, QStringLiteral("Eingabe"), QStringLiteral("Text"),
                            QStringLiteral("Type"), index, text, Items));
    EXPECT_EQ(text, QStringLiteral(" neu  "));
    EXPECT_EQ(index, 2);
}

TEST(InputExForm, CancelAndEscapeLeaveBothUnchanged) {
    for (const bool escape : {false, true}) {
        int index = 0;
        QString text = QStringLiteral("bleibt");
        WhenShown([escape](QDialog& dialog) {
            Child<QLineEdit>(dialog, "InputEdit").setText(QStringLiteral("anders"));
            Child<QComboBox>(dialog, "InputList").setCurrentIndex(2);
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                Child<QPushButton>(dialog, "InputCancel").click();
        });
        EXPECT_FALSE(ShowInputEx(nullptr, QStringLiteral("Eingabe"), QStringLiteral("Text"),
                                 QStringLiteral("Type"), index, text, Items));
        EXPECT_EQ(text, QStringLiteral("bleibt"));
        EXPECT_EQ(index, 0);
    }
}
