#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Geometry and opacity are kept in extended precision (x87 80-bit on x86-64).
using Extended = long double;

// A colour laid out 0x00BBGGRR (red in the low byte).
using TColor = std::int32_t;
constexpr TColor clNone = 0x1FFFFFFF;

// Round to the nearest integer, halves to even.
int RoundHalfEven(Extended value);
// Drop the fraction (towards zero).
int TruncToInt(Extended value);

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint& a, const TPoint& b) { return a.X == b.X && a.Y == b.Y; }
};

struct TPointEx {
    Extended X = 0;
    Extended Y = 0;
};

// Integer rectangle; whether Right and Bottom are inside is up to the function producing it.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TRect& a, const TRect& b) {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    }
};

struct TRectEx {
    Extended Left = 0;
    Extended Top = 0;
    Extended Right = 0;
    Extended Bottom = 0;
};

using TPolyPoints = std::vector<TPoint>;
using TPolyPointsEx = std::vector<TPointEx>;

// Font style bits of TProps::FontStyle.
enum TFontStyleBit : std::uint8_t {
    fsBold = 1 << 0,
    fsItalic = 1 << 1,
    fsUnderline = 1 << 2,
    fsStrikeOut = 1 << 3,
};

// Mask modes of polygons.
enum TMaskMode : std::int32_t {
    MASK_NONE = 0,
    MASK_AND = 1,
    MASK_DIFF = 2,
    MASK_OR = 3,
    MASK_XOR = 4,
};

// The visual property record of a drawable object.
struct TProps {
    TColor BrushColor = clNone;
    QString BrushBitmap;
    std::uint8_t BrushStyle = 0;
    bool BrushShow = true;
    TColor PenColor = clNone;
    std::int32_t PenWidth = 1;
    std::uint8_t PenStyle = 0;
    bool PenShow = true;
    QString FontName = QStringLiteral("Arial");
    std::int32_t FontSize = 24;
    std::uint8_t FontStyle = 0;
    Extended Trans = 100.0L;
    TColor TransColor = clNone;
    std::int32_t Mask = MASK_NONE;

    friend bool operator==(const TProps& a, const TProps& b);
};

void DefaultProps(TProps& props);

TProps MakeProps(TColor brushColor, TColor penColor, std::uint8_t brushStyle, std::int32_t mask,
                 TColor transColor, Extended trans, std::uint8_t fontStyle, std::int32_t fontSize,
                 const QString& fontName, std::int32_t penWidth, std::uint8_t penStyle,
                 const QString& brushBitmap);

// Copies every field; the two colours only with copyColors, Trans only with copyTrans.
void CopyProps(const TProps& source, TProps& dest, bool copyTrans, bool copyColors);

// Modifier keys and mouse buttons held during a mouse or key event.
enum TShiftStateBit : std::uint8_t {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};
using TShiftState = std::uint8_t;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
