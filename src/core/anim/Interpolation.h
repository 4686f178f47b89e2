#pragma once

#include "core/anim/KeyIndex.h"

// Straight-line interpolation of the animated aspects between keyframes. All arithmetic is in
// extended precision; len is the distance in frames between the two keys and off the distance
// of the frame being computed from the first.

// 0 below 0, 255 above 255, else the value.
int ClampByte(int value);
// The RGB value of a colour: system colours resolved, every other value (clNone too) as it is.
TColor ColorToRGB(TColor color);

// When len > 0: out := prev + (next - prev) / len * off; otherwise out stays.
void LerpValue(int len, int off, Extended& out, Extended next, Extended prev);
void LerpPoint(int len, int off, TPointEx& out, const TPointEx& next, const TPointEx& prev);
// When len > 0 and both lists have as many points, out becomes a new list of interpolated
// points and the result is true; otherwise out stays and the result is false.
bool LerpPoints(const TPolyPointsEx& prev, const TPolyPointsEx& next, int len, TPolyPointsEx& out,
                int off);
// Per channel of the RGB values, prev + round((next - prev) / len * off) held to a byte, halves
// to even; the result has no high byte. When len <= 0, out stays.
void LerpColor(TColor prev, TColor next, int len, TColor& out, int off);

// Sets the aspect of obj to its value in frame frameIndex given its keys: interpolated between
// two keys, copied from a previous key alone, left as it is without a previous key.
void InterpolateAspect(TAspect aspect, const TKeys& keys, int frameIndex, TTypesObject& obj);

// Each sets one aspect of obj to its value in frame frameIndex, with the keys searched in
// frames by obj's ID and class; obj itself need not belong to any frame.
// InterpolateMove returns the anchor point of the result, (0, 0) without a previous key.
TPoint InterpolateMove(const TFrameList& frames, int frameIndex, TTypesObject& obj);
void InterpolateTurn(const TFrameList& frames, int frameIndex, TTypesObject& obj);
void InterpolateStretch(const TFrameList& frames, int frameIndex, TTypesObject& obj);
void InterpolateTrans(const TFrameList& frames, int frameIndex, TTypesObject& obj);
void InterpolateColor(const TFrameList& frames, int frameIndex, TTypesObject& obj);
