#include "core/objects/PlacedObject.h"

#include "core/model/JsonValues.h"
#include "core/model/Stream.h"

#include <QPainter>

namespace {

// Half the side of a handle's hit square and of its drawn square; radius of the centre mark.
constexpr int HandleTolerance = 4;
constexpr int HandleSize = 4;
constexpr int CentreRadius = 4;
// Stands in for a distance or ratio of 0, which would divide by zero.
constexpr Extended Fallback = 0.1L;

// The top and bottom middles (1, 5) leave the width alone, the side middles (3, 7) the height.
bool StretchesWidth(int handle) {
    return handle != 1 && handle != 5;
}

bool StretchesHeight(int handle) {
    return handle != 3 && handle != 7;
}

bool IsCorner(int handle) {
    return handle % 2 == 0;
}

QPolygon Outline(const TPoint& a, const TPoint& b, const TPoint& c, const TPoint& d) {
    return QPolygon({QPoint(a.X, a.Y), QPoint(b.X, b.Y), QPoint(c.X, c.Y), QPoint(d.X, d.Y)});
}

} // namespace

TPlacedObject::TPlacedObject(Extended globalZoom) {
    FZoom = globalZoom;
    FSelected = true;
}

TPlacedObject::TPlacedObject(TObjectTable* table, const TProps& props, Extended globalZoom)
    : TTypesObject(table, props, globalZoom) {}

TPlacedBox TPlacedObject::Box() const {
    const TPointEx size = BaseSize();
    TPlacedBox box;
    box.Centre = {cptx.X * FZoom, cptx.Y * FZoom};
    box.Width = size.X * FZoom * FXPercent;
    box.Height = size.Y * FZoom * FYPercent;
    const Extended hw = box.Width / 2;
    const Extended hh = box.Height / 2;
    const TRectEx unturned{box.Centre.X - hw, box.Centre.Y - hh, box.Centre.X + hw,
                           box.Centre.Y + hh};
    // The turning helper counts counter-clockwise, the object's angle clockwise.
    RotateRectEx(unturned, box.Centre, -FAngle, box.Corners, box.Bounds);
    return box;
}

std::optional<TPlacement> TPlacedObject::AspectPlacement() const {
    return TPlacement{cptx, FAngle, FXPercent, FYPercent};
}

void TPlacedObject::SetAspectPlacement(const TPlacement& placement) {
    cptx = placement.Centre;
    FAngle = placement.Angle;
    FXPercent = placement.XPercent;
    FYPercent = placement.YPercent;
}

void TPlacedObject::DescribeFields(QJsonObject& fields) const {
    fields.insert(QStringLiteral("center"), JsonPoint(cptx));
    fields.insert(QStringLiteral("angle"), JsonNumber(FAngle));
    fields.insert(QStringLiteral("xPercent"), JsonNumber(FXPercent));
    fields.insert(QStringLiteral("yPercent"), JsonNumber(FYPercent));
}

void TPlacedObject::Assign(const TTypesObject& source) {
    if (const auto* placed = dynamic_cast<const TPlacedObject*>(&source)) {
        FAngle = placed->FAngle;
        FXPercent = placed->FXPercent;
        FYPercent = placed->FYPercent;
        cptx = placed->cptx;
    }
    TTypesObject::Assign(source);
}

TRect TPlacedObject::GetRect() const {
    return RectExToRect(Box().Bounds);
}

void TPlacedObject::Move(Extended dX, Extended dY) {
    if (dX != 0 || dY != 0)
        KeyFrameMove = true;
    cptx.X += dX / FZoom;
    cptx.Y += dY / FZoom;
}

void TPlacedObject::DblClick() {
    FMode = FMode == StretchMode ? RotateMode : StretchMode;
    Invalidate();
}

void TPlacedObject::CreateMouseMove(TShiftState /*shift*/, int /*x*/, int /*y*/) {}

void TPlacedObject::CreateMouseUp(TMouseButton /*button*/, TShiftState /*shift*/, int /*x*/,
                                  int /*y*/) {}

void TPlacedObject::ChangeMouseDown(TMouseButton button, TShiftState /*shift*/, int x, int y,
                                    bool& flag) {
    FChanged = false;
    flag = false;
    if (button != TMouseButton::mbLeft)
        return;
    const TPlacedBox box = Box();
    const TPointEx p{static_cast<Extended>(x), static_cast<Extended>(y)};
    // Handles win over the body, so a handle inside a small box still stretches or turns.
    midx = HandleAtPoint(p, box.Bounds, HandleTolerance);
    mmov = midx < 0 && PtInCorners(p, box.Corners);
    if (mmov) {
        mptx = p;
    } else if (FMode == StretchMode) {
        mper = DistanceEx(box.Centre, p);
    } else if (FMode == RotateMode) {
        man1 = BearingFromNorth(box.Centre, p);
        man2 = BearingFromSouth(box.Centre, p);
        manv = FAngle;
    }
    mclk = midx >= 0 || mmov;
    FSelected = mclk;
    Invalidate();
    flag = mclk;
}

void TPlacedObject::ChangeMouseMove(TShiftState /*shift*/, int x, int y) {
    const TPointEx p{static_cast<Extended>(x), static_cast<Extended>(y)};
    if (!mclk) {
        SetCursor(HoverCursor(Box(), p));
        return;
    }
    const TPointEx centre{cptx.X * FZoom, cptx.Y * FZoom};
    if (mmov)
        DragMove(x, y);
    else if (FMode == StretchMode)
        DragStretch(centre, p);
    else if (FMode == RotateMode)
        DragRotate(centre, p);
    Invalidate();
}

void TPlacedObject::ChangeMouseUp(TMouseButton /*button*/, TShiftState /*shift*/, int /*x*/,
                                  int /*y*/) {
    mclk = false;
}

void TPlacedObject::Paint(TObjectTable* /*sender*/) {
    QPainter* canvas = Canvas();
    if (!canvas)
        return;
    const TPlacedBox box = Box();
    PaintBody(*canvas, box);
    if (FSelected)
        PaintMarks(*canvas, box);
}

bool TPlacedObject::BeginCreate(TMouseButton button, bool& flag) {
    FChanged = false;
    flag = false;
    if (button != TMouseButton::mbLeft)
        return false;
    SetAllKeyFrames();
    return true;
}

void TPlacedObject::PlaceAt(int x, int y) {
    cptx = {static_cast<Extended>(x) / FZoom, static_cast<Extended>(y) / FZoom};
    FChanged = true;
    FSelected = true;
    KeyFrameMove = true;
    Invalidate();
}

TObjectDialogs* TPlacedObject::ObjectDialogs() const {
    return FTable ? FTable->Dialogs() : nullptr;
}

void TPlacedObject::PaintMarks(QPainter& canvas, const TPlacedBox& box) const {
    const TRectEx& b = box.Bounds;
    const TRectEx widened{b.Left - 1, b.Top - 1, b.Right + 1, b.Bottom + 1};
    const TRect frame = RectExToRect(widened);
    const TCorners corners = CornersToPoints(box.Corners);
    const TPoint centre = PointExToPoint(box.Centre);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(QPen(QColor(Qt::black), 1));
    canvas.drawPolygon(Outline({frame.Left, frame.Top}, {frame.Right, frame.Top},
                               {frame.Right, frame.Bottom}, {frame.Left, frame.Bottom}));
    canvas.setPen(QPen(QColor(0, 255, 0), 1));
    canvas.drawPolygon(Outline(corners[0], corners[1], corners[2], corners[3]));
    canvas.setPen(QPen(QColor(Qt::black), 1));
    canvas.setBrush(QColor(Qt::white));
    canvas.drawEllipse(QPoint(centre.X, centre.Y), CentreRadius, CentreRadius);
    for (int handle = 0; handle < 8; ++handle) {
        if (FMode == RotateMode && !IsCorner(handle))
            continue;
        const TPoint at = HandleOrigin(handle, widened, 0);
        DrawHandle(canvas, at.X, at.Y, HandleSize);
    }
    canvas.restore();
}

void TPlacedObject::WritePlacement(TStream& stream) const {
    stream.WriteExtended(FAngle);
    stream.WriteExtended(FXPercent);
    stream.WriteExtended(FYPercent);
    stream.WriteExtended(FZoom);
    stream.WriteExtended(cptx.X);
    stream.WriteExtended(cptx.Y);
}

void TPlacedObject::ReadPlacement(TStream& stream) {
    FAngle = stream.ReadExtended();
    FXPercent = stream.ReadExtended();
    FYPercent = stream.ReadExtended();
    FZoom = stream.ReadExtended();
    cptx.X = stream.ReadExtended();
    cptx.Y = stream.ReadExtended();
}

void TPlacedObject::DragMove(int x, int y) {
    if (x != TruncToInt(mptx.X) || y != TruncToInt(mptx.Y)) {
        FChanged = true;
        KeyFrameMove = true;
    }
    cptx.X += (x - mptx.X) / FZoom;
    cptx.Y += (y - mptx.Y) / FZoom;
    mptx = {static_cast<Extended>(x), static_cast<Extended>(y)};
}

// Scales by the ratio of the pointer's new to old distance from the centre, whichever side the
// handle is on; distances never reach 0, so neither factor can turn negative or vanish.
void TPlacedObject::DragStretch(const TPointEx& centre, const TPointEx& p) {
    const Extended d = NonZeroOr(DistanceEx(centre, p), Fallback);
    if (d != mper) {
        FChanged = true;
        KeyFrameStretch = true;
    }
    const Extended ratio = NonZeroOr(mper / d, Fallback);
    if (StretchesWidth(midx))
        FXPercent /= ratio;
    if (StretchesHeight(midx))
        FYPercent /= ratio;
    mper = d;
}

// Each bearing jumps by 360 on one side only (north-based straight above the centre,
// south-based straight below), so the one that is smooth where the pointer is gets used and
// the angle accumulates across full turns.
void TPlacedObject::DragRotate(const TPointEx& centre, const TPointEx& p) {
    const Extended north = BearingFromNorth(centre, p);
    const Extended south = BearingFromSouth(centre, p);
    if (p.Y > centre.Y)
        manv += north - man1;
    else
        manv += south - man2;
    man1 = north;
    man2 = south;
    if (FAngle != manv) {
        FChanged = true;
        KeyFrameTurn = true;
    }
    FAngle = manv;
}

TCursor TPlacedObject::HoverCursor(const TPlacedBox& box, const TPointEx& p) const {
    const bool rotate = FMode == RotateMode;
    switch (HandleAtPoint(p, box.Bounds, HandleTolerance)) {
    case 0:
    case 4:
        return rotate ? TCursor::Turn : TCursor::SizeNWSE;
    case 2:
    case 6:
        return rotate ? TCursor::Turn : TCursor::SizeNESW;
    case 1:
    case 5:
        return TCursor::SizeNS;
    case 3:
    case 7:
        return TCursor::SizeWE;
    default:
        return PtInCorners(p, box.Corners) ? TCursor::SizeAll : TCursor::Default;
    }
}
