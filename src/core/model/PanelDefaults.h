#pragma once

#include "core/model/Types.h"

// The properties the panels give to new objects while no object is selected.
struct TPanelDefaults {
    TColor BrushColor = 0xFFFFFF;
    TColor PenColor = 0x000000;
    bool BrushShow = true;
    bool PenShow = true;
    std::int32_t PenWidth = 1;
    TColor TransColor = clNone;
    Extended Trans = 100.0L;
    QString FontName = QStringLiteral("Arial");
    std::int32_t FontSize = 48;
    std::uint8_t FontStyle = 0;
    std::int32_t Mask = MASK_NONE;
};

// The record defaults overwritten with the panel defaults.
TProps NewObjectProps(const TPanelDefaults& defaults);
