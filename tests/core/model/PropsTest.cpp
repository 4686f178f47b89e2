#include "core/model/PanelDefaults.h"
#include "core/model/Types.h"

#include <gtest/gtest.h>

namespace {
TProps DistinctProps() {
    TProps props = MakeProps(0x0000FF, 0x00FF00, 3, MASK_XOR, 0x123456, 42.5L, fsBold | fsItalic,
                             17, QStringLiteral("Courier New"), 9, 4, QStringLiteral("brush.bmp"));
    props.BrushShow = false;
    props.PenShow = false;
    return props;
}
} // namespace

TEST(Props, RecordDefaults) {
    TProps props = DistinctProps();
    DefaultProps(props);
    EXPECT_EQ(props.BrushColor, clNone);
    EXPECT_EQ(props.PenColor, clNone);
    EXPECT_TRUE(props.BrushShow);
    EXPECT_TRUE(props.PenShow);
    EXPECT_EQ(props.PenWidth, 1);
    EXPECT_EQ(props.FontName, QStringLiteral("Arial"));
    EXPECT_EQ(props.FontSize, 24);
    EXPECT_EQ(props.FontStyle, 0);
    EXPECT_EQ(props.Trans, 100.0L);
    EXPECT_EQ(props.TransColor, clNone);
    EXPECT_EQ(props.Mask, MASK_NONE);
    EXPECT_TRUE(props.BrushBitmap.isEmpty());
    EXPECT_EQ(clNone, 536870911);
}

TEST(Props, MakePropsLeavesTheSwitchesOn) {
    const TProps props = MakeProps(1, 2, 0, 0, 3, 50, 0, 10, QStringLiteral("X"), 4, 0, {});
    EXPECT_TRUE(props.BrushShow);
    EXPECT_TRUE(props.PenShow);
    EXPECT_EQ(props.BrushColor, 1);
    EXPECT_EQ(props.PenColor, 2);
    EXPECT_EQ(props.TransColor, 3);
    EXPECT_EQ(props.PenWidth, 4);
}

TEST(Props, CopyPropsWithBothSwitchesOffKeepsColoursAndOpacity) {
    const TProps source = DistinctProps();
    TProps dest;
    dest.BrushColor = 0x111111;
    dest.PenColor = 0x222222;
    dest.Trans = 12.0L;
    CopyProps(source, dest, false, false);
    EXPECT_EQ(dest.BrushColor, 0x111111);
    EXPECT_EQ(dest.PenColor, 0x222222);
    EXPECT_EQ(dest.Trans, 12.0L);
    TProps expected = source;
    expected.BrushColor = 0x111111;
    expected.PenColor = 0x222222;
    expected.Trans = 12.0L;
    EXPECT_EQ(dest, expected);
    EXPECT_EQ(dest.TransColor, 0x123456);
}

TEST(Props, CopyPropsSwitchesAreIndependent) {
    const TProps source = DistinctProps();
    TProps colours;
    CopyProps(source, colours, false, true);
    EXPECT_EQ(colours.BrushColor, source.BrushColor);
    EXPECT_EQ(colours.Trans, 100.0L);
    TProps opacity;
    CopyProps(source, opacity, true, false);
    EXPECT_EQ(opacity.Trans, source.Trans);
    EXPECT_EQ(opacity.BrushColor, clNone);
}

TEST(Props, NewObjectsTakeThePanelDefaults) {
    const TProps props = NewObjectProps(TPanelDefaults());
    EXPECT_EQ(props.BrushColor, 0xFFFFFF);
    EXPECT_EQ(props.PenColor, 0x000000);
    EXPECT_TRUE(props.BrushShow);
    EXPECT_TRUE(props.PenShow);
    EXPECT_EQ(props.PenWidth, 1);
    EXPECT_EQ(props.Trans, 100.0L);
    EXPECT_EQ(props.TransColor, clNone);
    EXPECT_EQ(props.FontName, QStringLiteral("Arial"));
    EXPECT_EQ(props.FontSize, 48);
    EXPECT_EQ(props.FontStyle, 0);
    EXPECT_EQ(props.Mask, MASK_NONE);
}

TEST(Props, NewObjectsTakeTheSwitchesFromThePanel) {
    TPanelDefaults defaults;
    defaults.BrushShow = false;
    defaults.FontStyle = fsUnderline;
    const TProps props = NewObjectProps(defaults);
    EXPECT_FALSE(props.BrushShow);
    EXPECT_TRUE(props.PenShow);
    EXPECT_EQ(props.FontStyle, fsUnderline);
    EXPECT_EQ(props.BrushStyle, 0);
    EXPECT_EQ(props.PenStyle, 0);
}
