#include "core/anim/Aspects.h"

#include "core/objects/Geometry.h"

#include <typeinfo>

namespace {

using TFlag = bool TTypesObject::*;

// The keyframe flag of each aspect, in aspect order.
constexpr TFlag Flags[AspectCount] = {&TTypesObject::KeyFrameMove, &TTypesObject::KeyFrameTurn,
                                      &TTypesObject::KeyFrameStretch, &TTypesObject::KeyFrameTrans,
                                      &TTypesObject::KeyFrameColor};

TFlag FlagOf(TAspect aspect) {
    return Flags[static_cast<int>(aspect)];
}

void CopyPlacementField(const TPlacement& source, TPlacement& dest, TAspect aspect) {
    if (aspect == TAspect::Move) {
        dest.Centre = source.Centre;
    } else if (aspect == TAspect::Turn) {
        dest.Angle = source.Angle;
    } else if (aspect == TAspect::Stretch) {
        dest.XPercent = source.XPercent;
        dest.YPercent = source.YPercent;
    }
}

void CopyGeometry(const TTypesObject& source, TTypesObject& dest, TAspect aspect) {
    const TPolyPointsEx* points = source.AspectPoints();
    if (aspect == TAspect::Move && points && dest.AspectPoints())
        dest.SetAspectPoints(*points);
    const std::optional<TPlacement> from = source.AspectPlacement();
    std::optional<TPlacement> to = dest.AspectPlacement();
    if (from && to) {
        CopyPlacementField(*from, *to, aspect);
        dest.SetAspectPlacement(*to);
    }
}

} // namespace

bool IsKeyFrame(const TTypesObject& object, TAspect aspect) {
    return object.*FlagOf(aspect);
}

void SetKeyFrame(TTypesObject& object, TAspect aspect, bool value) {
    object.*FlagOf(aspect) = value;
}

unsigned KeyFrameAspects(const TTypesObject& object) {
    unsigned aspects = 0;
    for (int i = 0; i < AspectCount; ++i)
        if (IsKeyFrame(object, static_cast<TAspect>(i)))
            aspects |= 1u << i;
    return aspects;
}

void ClearKeyFrames(TTypesObject& object) {
    for (int i = 0; i < AspectCount; ++i)
        SetKeyFrame(object, static_cast<TAspect>(i), false);
}

unsigned AnimatedAspects(const TTypesObject& object) {
    unsigned aspects = AspectBit(TAspect::Trans) | AspectBit(TAspect::Color);
    if (object.AspectPoints())
        aspects |= AspectBit(TAspect::Move);
    if (object.AspectPlacement())
        aspects |=
            AspectBit(TAspect::Move) | AspectBit(TAspect::Turn) | AspectBit(TAspect::Stretch);
    return aspects;
}

bool SameClass(const TTypesObject& a, const TTypesObject& b) {
    const std::type_info& first = typeid(a);
    const std::type_info& second = typeid(b);
    // Comparing the records themselves first spares comparing their names.
    return &first == &second || first == second;
}

void CopyAspect(const TTypesObject& source, TTypesObject& dest, TAspect aspect) {
    if (aspect != TAspect::Trans && aspect != TAspect::Color) {
        CopyGeometry(source, dest, aspect);
        return;
    }
    const TProps from = source.GetProps();
    TProps to = dest.GetProps();
    if (aspect == TAspect::Trans) {
        to.Trans = from.Trans;
    } else {
        to.BrushColor = from.BrushColor;
        to.PenColor = from.PenColor;
    }
    dest.SetProps(std::move(to));
}

void CopyAspects(const TTypesObject& source, TTypesObject& dest, bool move, bool turn,
                 bool stretch) {
    if (!SameClass(source, dest))
        return;
    if (move)
        CopyAspect(source, dest, TAspect::Move);
    if (turn)
        CopyAspect(source, dest, TAspect::Turn);
    if (stretch)
        CopyAspect(source, dest, TAspect::Stretch);
}

TPoint AnchorPoint(const TTypesObject& object) {
    if (const TPolyPointsEx* points = object.AspectPoints())
        return CentreOfPolyPointsEx(*points);
    if (const std::optional<TPlacement> placement = object.AspectPlacement())
        return ScalePointEx(placement->Centre, 1.0L);
    return {};
}
