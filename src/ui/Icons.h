#pragma once

#include <QIcon>

// The editor's pictures for tool bar, tool and panel buttons, drawn in code.
enum class TIconKind {
    New,
    Open,
    Save,
    Cut,
    Copy,
    Paste,
    Delete,
    Undo,
    Redo,
    ToFront,
    ToBack,
    Angle,
    Stretch,
    Data,
    Help,
    Selection,
    Polyline,
    BezierPolyline,
    Polygon,
    BezierPolygon,
    Bitmap,
    Text,
    Form,
    Play,
    Stop,
    Endless,
    RangeStart,
    RangeEnd
};

QIcon EditorIcon(TIconKind kind);
