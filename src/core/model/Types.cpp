#include "core/model/Types.h"

#include <cmath>
#include <limits>

namespace {
// Saturates instead of overflowing: positions far outside the canvas stay far outside.
int SaturatedInt(Extended value) {
    constexpr Extended highest = std::numeric_limits<int>::max();
    constexpr Extended lowest = std::numeric_limits<int>::min();
    if (std::isnan(value))
        return 0;
    if (value >= highest)
        return std::numeric_limits<int>::max();
    if (value <= lowest)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}
} // namespace

int RoundHalfEven(Extended value) {
    const Extended lower = std::floor(value);
    const Extended fraction = value - lower;
    Extended result = lower;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(lower, 2.0L) != 0))
        result = lower + 1;
    return SaturatedInt(result);
}

int TruncToInt(Extended value) {
    return SaturatedInt(std::trunc(value));
}

bool operator==(const TProps& a, const TProps& b) {
    return a.BrushColor == b.BrushColor && a.BrushBitmap == b.BrushBitmap &&
           a.BrushStyle == b.BrushStyle && a.BrushShow == b.BrushShow && a.PenColor == b.PenColor &&
           a.PenWidth == b.PenWidth && a.PenStyle == b.PenStyle && a.PenShow == b.PenShow &&
           a.FontName == b.FontName && a.FontSize == b.FontSize && a.FontStyle == b.FontStyle &&
           a.Trans == b.Trans && a.TransColor == b.TransColor && a.Mask == b.Mask;
}

void DefaultProps(TProps& props) {
    props = TProps();
}

TProps MakeProps(TColor brushColor, TColor penColor, std::uint8_t brushStyle, std::int32_t mask,
                 TColor transColor, Extended trans, std::uint8_t fontStyle, std::int32_t fontSize,
                 const QString& fontName, std::int32_t penWidth, std::uint8_t penStyle,
                 const QString& brushBitmap) {
    TProps props;
    DefaultProps(props);
    props.BrushColor = brushColor;
    props.PenColor = penColor;
    props.BrushStyle = brushStyle;
    props.Mask = mask;
    props.TransColor = transColor;
    props.Trans = trans;
    props.FontStyle = fontStyle;
    props.FontSize = fontSize;
    props.FontName = fontName;
    props.PenWidth = penWidth;
    props.PenStyle = penStyle;
    props.BrushBitmap = brushBitmap;
    return props;
}

void CopyProps(const TProps& source, TProps& dest, bool copyTrans, bool copyColors) {
    const TProps kept = dest;
    dest = source;
    if (!copyColors) {
        dest.BrushColor = kept.BrushColor;
        dest.PenColor = kept.PenColor;
    }
    if (!copyTrans)
        dest.Trans = kept.Trans;
}
