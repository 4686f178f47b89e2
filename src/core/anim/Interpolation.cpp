#include "core/anim/Interpolation.h"

#include "core/render/Primitives.h"

namespace {

int Channel(TColor color, int shift) {
    return static_cast<int>((static_cast<std::uint32_t>(color) >> shift) & 0xFFu);
}

int LerpChannel(TColor prev, TColor next, int shift, int len, int off) {
    const int from = Channel(prev, shift);
    const Extended step = static_cast<Extended>(Channel(next, shift) - from) / len * off;
    return ClampByte(from + RoundHalfEven(step));
}

void LerpPlacement(TAspect aspect, const TTypesObject& prev, const TTypesObject& next, int len,
                   int off, TTypesObject& obj) {
    const std::optional<TPlacement> from = prev.AspectPlacement();
    const std::optional<TPlacement> to = next.AspectPlacement();
    std::optional<TPlacement> placement = obj.AspectPlacement();
    if (!from || !to || !placement)
        return;
    if (aspect == TAspect::Move) {
        LerpPoint(len, off, placement->Centre, to->Centre, from->Centre);
    } else if (aspect == TAspect::Turn) {
        LerpValue(len, off, placement->Angle, to->Angle, from->Angle);
    } else {
        LerpValue(len, off, placement->XPercent, to->XPercent, from->XPercent);
        LerpValue(len, off, placement->YPercent, to->YPercent, from->YPercent);
    }
    obj.SetAspectPlacement(*placement);
}

void LerpVertices(const TTypesObject& prev, const TTypesObject& next, int len, int off,
                  TTypesObject& obj) {
    const TPolyPointsEx* from = prev.AspectPoints();
    const TPolyPointsEx* to = next.AspectPoints();
    TPolyPointsEx points;
    if (from && to && obj.AspectPoints() && LerpPoints(*from, *to, len, points, off))
        obj.SetAspectPoints(points);
}

void LerpProps(TAspect aspect, const TProps& prev, const TProps& next, int len, int off,
               TTypesObject& obj) {
    TProps props = obj.GetProps();
    if (aspect == TAspect::Trans) {
        LerpValue(len, off, props.Trans, next.Trans, prev.Trans);
    } else {
        LerpColor(prev.BrushColor, next.BrushColor, len, props.BrushColor, off);
        LerpColor(prev.PenColor, next.PenColor, len, props.PenColor, off);
    }
    obj.SetProps(std::move(props));
}

void Interpolate(const TFrameList& frames, TAspect aspect, int frameIndex, TTypesObject& obj) {
    InterpolateAspect(aspect, FindKeys(frames, obj, aspect, frameIndex), frameIndex, obj);
}

} // namespace

int ClampByte(int value) {
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

TColor ColorToRGB(TColor color) {
    if (color >= 0)
        return color;
    const std::uint32_t rgb = ColorToARGB(color, 0);
    return static_cast<TColor>(((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16));
}

void LerpValue(int len, int off, Extended& out, Extended next, Extended prev) {
    if (len > 0)
        out = prev + (next - prev) / len * off;
}

void LerpPoint(int len, int off, TPointEx& out, const TPointEx& next, const TPointEx& prev) {
    LerpValue(len, off, out.X, next.X, prev.X);
    LerpValue(len, off, out.Y, next.Y, prev.Y);
}

bool LerpPoints(const TPolyPointsEx& prev, const TPolyPointsEx& next, int len, TPolyPointsEx& out,
                int off) {
    if (len <= 0 || prev.size() != next.size())
        return false;
    TPolyPointsEx points(prev.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        LerpPoint(len, off, points[i], next[i], prev[i]);
    out = std::move(points);
    return true;
}

void LerpColor(TColor prev, TColor next, int len, TColor& out, int off) {
    if (len <= 0)
        return;
    const TColor from = ColorToRGB(prev);
    const TColor to = ColorToRGB(next);
    const int red = LerpChannel(from, to, 0, len, off);
    const int green = LerpChannel(from, to, 8, len, off);
    const int blue = LerpChannel(from, to, 16, len, off);
    out = red + green * 256 + blue * 65536;
}

void InterpolateAspect(TAspect aspect, const TKeys& keys, int frameIndex, TTypesObject& obj) {
    if (!keys.Prev)
        return;
    const TTypesObject& prev = *keys.Prev.Object;
    if (!keys.Next) {
        CopyAspect(prev, obj, aspect);
        return;
    }
    const TTypesObject& next = *keys.Next.Object;
    const int len = keys.Next.Frame - keys.Prev.Frame;
    const int off = frameIndex - keys.Prev.Frame;
    if (aspect == TAspect::Trans || aspect == TAspect::Color)
        LerpProps(aspect, prev.GetProps(), next.GetProps(), len, off, obj);
    else if (aspect == TAspect::Move && obj.AspectPoints())
        LerpVertices(prev, next, len, off, obj);
    else
        LerpPlacement(aspect, prev, next, len, off, obj);
}

TPoint InterpolateMove(const TFrameList& frames, int frameIndex, TTypesObject& obj) {
    const TKeys keys = FindKeys(frames, obj, TAspect::Move, frameIndex);
    InterpolateAspect(TAspect::Move, keys, frameIndex, obj);
    return keys.Prev ? AnchorPoint(obj) : TPoint{};
}

void InterpolateTurn(const TFrameList& frames, int frameIndex, TTypesObject& obj) {
    Interpolate(frames, TAspect::Turn, frameIndex, obj);
}

void InterpolateStretch(const TFrameList& frames, int frameIndex, TTypesObject& obj) {
    Interpolate(frames, TAspect::Stretch, frameIndex, obj);
}

void InterpolateTrans(const TFrameList& frames, int frameIndex, TTypesObject& obj) {
    Interpolate(frames, TAspect::Trans, frameIndex, obj);
}

void InterpolateColor(const TFrameList& frames, int frameIndex, TTypesObject& obj) {
    Interpolate(frames, TAspect::Color, frameIndex, obj);
}
