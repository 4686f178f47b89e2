#include "core/objects/Smoothing.h"

#include <numeric>

namespace {

// Copies of the first and the last value put before and after the list, so the window
// has values to work on near the ends.
constexpr int Padding = 5;

constexpr int BezierSteps = 26;
constexpr int BezierHalfWidth = 4;

bool SupportedHalfWidth(int HalfWidth) {
    return HalfWidth >= MinSmoothingHalfWidth && HalfWidth <= MaxSmoothingHalfWidth;
}

void SmoothAxis(TPolyPoints& Points, int HalfWidth, const std::vector<int>& Weights,
                int TPoint::*Axis) {
    std::vector<Extended> padded(Padding, Points.front().*Axis);
    for (const TPoint& point : Points)
        padded.push_back(point.*Axis);
    padded.insert(padded.end(), Padding, Points.back().*Axis);

    const Extended weightSum = std::accumulate(Weights.begin(), Weights.end(), 0);
    const size_t halfWidth = static_cast<size_t>(HalfWidth);
    const size_t last = padded.size() - 1;
    std::vector<Extended> output = padded;
    for (size_t i = halfWidth; i + halfWidth <= last; ++i) {
        Extended sum = 0;
        for (size_t j = 0; j < Weights.size(); ++j)
            sum += Weights[j] * padded[i - halfWidth + j];
        output[i] = sum / weightSum;
    }
    for (size_t i = 0; i < Points.size(); ++i)
        Points[i].*Axis = RoundHalfEven(output[i + Padding]);
}

// Linear interpolation rounded to whole pixels, as every level of the construction is.
TPoint Lerp(const TPoint& A, const TPoint& B, Extended t) {
    return {RoundHalfEven((static_cast<Extended>(B.X) - A.X) * t + A.X),
            RoundHalfEven((static_cast<Extended>(B.Y) - A.Y) * t + A.Y)};
}

TPoint DeCasteljau(const TPolyPoints& P, Extended t) {
    const TPoint q0 = Lerp(P[0], P[1], t);
    const TPoint q1 = Lerp(P[1], P[2], t);
    const TPoint q2 = Lerp(P[2], P[3], t);
    return Lerp(Lerp(q0, q1, t), Lerp(q1, q2, t), t);
}

} // namespace

// The quadratic fit over 2m + 1 points weighs offset i with 3m^2 + 3m - 1 - 5i^2; dividing by
// the common factor gives the familiar table rows.
std::vector<int> SmoothingWeights(int HalfWidth) {
    if (!SupportedHalfWidth(HalfWidth))
        return {};
    const int centre = 3 * HalfWidth * HalfWidth + 3 * HalfWidth - 1;
    std::vector<int> weights;
    int divisor = 0;
    for (int i = -HalfWidth; i <= HalfWidth; ++i) {
        weights.push_back(centre - 5 * i * i);
        divisor = std::gcd(divisor, weights.back());
    }
    for (int& weight : weights)
        weight /= divisor;
    return weights;
}

void SmoothPolyPoints(TPolyPoints& Points, int HalfWidth) {
    if (Points.empty() || !SupportedHalfWidth(HalfWidth))
        return;
    const std::vector<int> weights = SmoothingWeights(HalfWidth);
    SmoothAxis(Points, HalfWidth, weights, &TPoint::X);
    SmoothAxis(Points, HalfWidth, weights, &TPoint::Y);
}

void BezierToPoints(const TPolyPoints& Points, TPolyPoints& Result) {
    if (Points.size() != 4)
        return;
    Result.clear();
    const Extended step = 1.0L / (BezierSteps - 1);
    Extended t = 0;
    for (int i = 0; i < BezierSteps; ++i) {
        Result.push_back(DeCasteljau(Points, t));
        t += step;
    }
    SmoothPolyPoints(Result, BezierHalfWidth);
}
