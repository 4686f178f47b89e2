#pragma once

#include "core/model/TypesObject.h"

// The five animated aspects, numbered as the rows of the timeline.
enum class TAspect { Move = 0, Turn = 1, Stretch = 2, Trans = 3, Color = 4 };
constexpr int AspectCount = 5;

// Sets of aspects as bit masks.
constexpr unsigned AspectBit(TAspect aspect) {
    return 1u << static_cast<unsigned>(aspect);
}
constexpr unsigned AllAspects = (1u << AspectCount) - 1;

bool IsKeyFrame(const TTypesObject& object, TAspect aspect);
void SetKeyFrame(TTypesObject& object, TAspect aspect, bool value);
// The aspects object's own flags make keyframes.
unsigned KeyFrameAspects(const TTypesObject& object);
void ClearKeyFrames(TTypesObject& object);

// The aspects object has fields for: a point-list object is neither turned nor stretched.
unsigned AnimatedAspects(const TTypesObject& object);

bool SameClass(const TTypesObject& a, const TTypesObject& b);

// Copies the fields of one aspect from source to dest; fields either object lacks are skipped.
void CopyAspect(const TTypesObject& source, TTypesObject& dest, TAspect aspect);
// Copies the requested geometric aspects, only between objects of the same class.
void CopyAspects(const TTypesObject& source, TTypesObject& dest, bool move, bool turn,
                 bool stretch);

// The integer point standing for the object's position: the centre of its vertices' bounds, or
// its centre; (0, 0) for an object with neither.
TPoint AnchorPoint(const TTypesObject& object);
