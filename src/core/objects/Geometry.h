#pragma once

// Free functions on points, rectangles and point lists shared by the object types and the
// animation engine. Stored geometry is extended precision in document pixels; screen geometry
// and every hit test use integer pixels.

#include "core/model/ObjectId.h"
#include "core/model/Types.h"
#include "core/objects/Smoothing.h"

#include <array>

class QPainter;

// The four corners of a rectangle in the order (Left, Top), (Right, Top), (Right, Bottom),
// (Left, Bottom), possibly turned.
using TCornersEx = std::array<TPointEx, 4>;
using TCorners = std::array<TPoint, 4>;

// Construction and conversion.
TPointEx PointEx(Extended X, Extended Y);
TRectEx RectEx(Extended Left, Extended Top, Extended Right, Extended Bottom);
// Rounds to two decimals away from zero, then drops the fraction: 2.996 gives 3, 5.5 gives 5.
int FloatToCoord(Extended X);
TPoint PointExToPoint(const TPointEx& P);
TRect RectExToRect(const TRectEx& R);
TCorners CornersToPoints(const TCornersEx& Corners);
TPoint ScalePointEx(const TPointEx& P, Extended F);

// Distances and angles. PolarPoint, AngleOfPoint and RotateRectEx count degrees
// counter-clockwise on screen; the objects' own angles turn clockwise.
Extended DistanceEx(const TPointEx& A, const TPointEx& B);
TPointEx PolarPoint(const TPointEx& C, Extended Distance, Extended Angle);
Extended AngleOfPoint(const TPointEx& C, const TPointEx& P);
// Direction of P seen from C, clockwise from straight up (north) or straight down (south).
Extended BearingFromNorth(const TPointEx& C, const TPointEx& P);
Extended BearingFromSouth(const TPointEx& C, const TPointEx& P);
Extended NonZeroOr(Extended Value, Extended Default);

// Rotated rectangles and handles. Handles 0..7 run clockwise from (Left, Top): corners at the
// even indices, edge middles at the odd ones.
void RotateRectEx(const TRectEx& R, const TPointEx& C, Extended Angle, TCornersEx& Corners,
                  TRectEx& Bounds);
bool PtInCorners(const TPointEx& P, const TCornersEx& Corners);
int HandleAtPoint(const TPointEx& P, const TRectEx& R, int Tolerance);
TPoint HandleOrigin(int Index, const TRectEx& R, int Size);

// Point lists.
bool SamePointEx(const TPointEx& A, const TPointEx& B);
bool InTolerance(int V, int Centre, int Tolerance);
// An index outside the list leaves it unchanged.
void DeletePointEx(TPolyPointsEx& Points, int Index);
void CopyPolyPointsEx(const TPolyPointsEx& Source, TPolyPointsEx& Target);
// Right and bottom are the largest coordinates, not one past; (0, 0, 0, 0) when empty.
TRect BoundsOfPolyPoints(const TPolyPoints& Points);
TRect BoundsOfPolyPointsEx(const TPolyPointsEx& Points);
TPoint CentreOfPolyPointsEx(const TPolyPointsEx& Points);
bool PtInPolyPoints(const TPolyPoints& Points, const TPoint& P);
// Treats the list as a closed ring; returns the index at which a point clicked on a segment
// is inserted (segment start + 1), or -1.
int SegmentAtPoint(const TPolyPoints& Points, const TPoint& P, int Tolerance);

// Others.
// Plain (aliased) square of half-size Size around (X, Y) with the painter's pen and brush.
void DrawHandle(QPainter& Canvas, int X, int Y, int Size);
Extended CubicValue(Extended A, Extended B, Extended C, Extended D, Extended T);
