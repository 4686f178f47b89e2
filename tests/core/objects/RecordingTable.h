#pragma once

#include "core/model/ObjectTable.h"
#include "core/objects/PointListObject.h"
#include "support/ScriptedObjectDialogs.h"

#include <QImage>
#include <QPainter>
#include <memory>
#include <utility>
#include <vector>

// A canvas that records what objects ask of it, answers their dialogs from a script and, between
// BeginPaint and EndPaint, lets them paint into a white image.
class TRecordingTable : public TObjectTable {
public:
    QPainter* Painter() override { return FPainter.get(); }
    void Invalidate() override { ++Invalidations; }
    TCursor Cursor() const override { return FCursor; }
    void SetCursor(TCursor cursor) override { FCursor = cursor; }
    TCanvasState& CanvasState() override { return State; }
    TObjectDialogs* Dialogs() override { return &ObjectDialogs; }

    void BeginPaint(int width, int height) {
        Image = QImage(width, height, QImage::Format_RGB32);
        Image.fill(Qt::white);
        FPainter = std::make_unique<QPainter>(&Image);
    }
    const QImage& EndPaint() {
        FPainter.reset();
        return Image;
    }

    int Invalidations = 0;
    TCanvasState State;
    // Answers the dialogs objects open while they are placed.
    TScriptedObjectDialogs ObjectDialogs;
    QImage Image;

private:
    TCursor FCursor = TCursor::Default;
    std::unique_ptr<QPainter> FPainter;
};

// Mouse gestures as the canvas passes them on, in canvas pixels.
inline bool Press(TTypesObject& object, int x, int y, TShiftState shift = 0) {
    bool flag = false;
    object.CreateMouseDown(TMouseButton::mbLeft, shift, x, y, flag);
    return flag;
}

inline void Release(TTypesObject& object, int x, int y) {
    object.CreateMouseUp(TMouseButton::mbLeft, 0, x, y);
}

inline bool Grab(TTypesObject& object, int x, int y) {
    bool flag = false;
    object.ChangeMouseDown(TMouseButton::mbLeft, 0, x, y, flag);
    return flag;
}

inline void DragTo(TTypesObject& object, int x, int y) {
    object.ChangeMouseMove(0, x, y);
    object.ChangeMouseUp(TMouseButton::mbLeft, 0, x, y);
}

inline TCursor HoverAt(TRecordingTable& table, TTypesObject& object, int x, int y) {
    object.ChangeMouseMove(0, x, y);
    return table.Cursor();
}

using TCoords = std::vector<std::pair<Extended, Extended>>;

inline TCoords CoordsOf(const TPointListObject& object) {
    TCoords coords;
    for (const TPointEx& point : object.Points())
        coords.emplace_back(point.X, point.Y);
    return coords;
}

inline bool AllKeyFrames(const TTypesObject& object) {
    return object.KeyFrameMove && object.KeyFrameTurn && object.KeyFrameStretch &&
           object.KeyFrameTrans && object.KeyFrameColor;
}
