#pragma once

#include "core/edit/ClipBoard.h"
#include "core/model/UndoItem.h"
#include "core/objects/PointListObject.h"
#include "support/ScriptedDialogs.h"
#include "ui/BufferedScrollTable.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The real main window with a 400 x 300 project that fits the canvas, driven by mouse and keys
// in project-area pixels.
class CanvasFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings().clear();
        OpenWindow(Dialogs);
    }
    void TearDown() override {
        Window.reset();
        QSettings().clear();
    }

    // A new window answering through dialogs, in place of the one open; with a data folder it
    // keeps recovery copies there.
    void OpenWindow(TDialogService& dialogs, const QString& dataFolder = QString()) {
        Window.reset();
        Window = std::make_unique<TMainForm>(&dialogs, dataFolder);
        Window->Project().ProjectWidth = 400;
        Window->Project().ProjectHeight = 300;
        Window->ResetProject();
        Window->show();
        Canvas = Window->findChild<TBufferedScrollTable*>(QStringLiteral("BufferedScrollTable1"));
        View = Canvas->viewport();
    }

    QPoint AreaCorner() const {
        const QSize client = View->size();
        const int dx = std::max(0, (client.width() - Canvas->WidthPixel()) / 2);
        const int dy = std::max(0, (client.height() - Canvas->HeightPixel()) / 2);
        return {50 + dx - Canvas->LeftPixel(), 50 + dy - Canvas->TopPixel()};
    }
    QPoint At(int x, int y) const { return AreaCorner() + QPoint(x, y); }

    void Tool(const char* action) {
        Window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(View, Qt::LeftButton, modifiers, At(from.x(), from.y()));
        QTest::mouseMove(View, At((from.x() + to.x()) / 2, (from.y() + to.y()) / 2));
        QTest::mouseMove(View, At(to.x(), to.y()));
        QTest::mouseRelease(View, Qt::LeftButton, modifiers, At(to.x(), to.y()));
    }
    void Click(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(View, Qt::LeftButton, modifiers, At(at.x(), at.y()));
        QTest::mouseRelease(View, Qt::LeftButton, modifiers, At(at.x(), at.y()));
    }
    QAction* Action(const char* name) const {
        return Window->findChild<QAction*>(QString::fromLatin1(name));
    }
    QComboBox* Combo(const char* name) const {
        return Window->findChild<QComboBox*>(QString::fromLatin1(name));
    }

    TObjectList& Objects() { return Window->Project().CurrentObjects(); }
    TPointListObject& PointsOf(std::size_t index) {
        return dynamic_cast<TPointListObject&>(*Objects().at(index));
    }
    // Draws a two-point polyline from one corner to the other with the polyline tool.
    void DrawLine(QPoint from, QPoint to) {
        Tool("PolylineAction1");
        Window->findChild<QAction*>(QStringLiteral("SelectionAction1"))->trigger();
        Tool("PolylineAction1");
        Drag(from, to);
    }

    TScriptedDialogs Dialogs;
    std::unique_ptr<TMainForm> Window;
    TBufferedScrollTable* Canvas = nullptr;
    QWidget* View = nullptr;
};

inline ::testing::AssertionResult PointIs(const TPointEx& p, Extended x, Extended y) {
    if (p.X == x && p.Y == y)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << static_cast<double>(p.X) << ", " << static_cast<double>(p.Y)
           << ") instead of (" << static_cast<double>(x) << ", " << static_cast<double>(y) << ")";
}
