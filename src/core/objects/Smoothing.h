#pragma once

// Flattening of cubic Bezier segments and smoothing of integer point lists.

#include "core/model/Types.h"

#include <vector>

// Window half-widths the smoothing supports.
constexpr int MinSmoothingHalfWidth = 2;
constexpr int MaxSmoothingHalfWidth = 12;

// Integer Savitzky-Golay quadratic smoothing weights of the window 2 * HalfWidth + 1, in their
// smallest integer form; empty for an unsupported half-width.
std::vector<int> SmoothingWeights(int HalfWidth);

// Smooths the x and the y values separately; an unsupported half-width leaves the list as it is.
void SmoothPolyPoints(TPolyPoints& Points, int HalfWidth);

// Flattens one cubic segment (anchor, control, control, anchor) into 26 smoothed points. Any
// other number of input points leaves Result untouched.
void BezierToPoints(const TPolyPoints& Points, TPolyPoints& Result);
