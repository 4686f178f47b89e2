#include "core/render/Primitives.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <array>

namespace {

// Palette roles standing in for the numbered system colours that a negative colour value names.
constexpr std::array<QPalette::ColorRole, 31> SystemRoles = {
    QPalette::Button,
    QPalette::Dark,
    QPalette::Highlight,
    QPalette::Mid,
    QPalette::Window,
    QPalette::Base,
    QPalette::Shadow,
    QPalette::WindowText,
    QPalette::Text,
    QPalette::HighlightedText,
    QPalette::Button,
    QPalette::Button,
    QPalette::Mid,
    QPalette::Highlight,
    QPalette::HighlightedText,
    QPalette::Button,
    QPalette::Dark,
    QPalette::Mid,
    QPalette::ButtonText,
    QPalette::WindowText,
    QPalette::Light,
    QPalette::Shadow,
    QPalette::Midlight,
    QPalette::ToolTipText,
    QPalette::ToolTipBase,
    QPalette::Window,
    QPalette::Link,
    QPalette::Highlight,
    QPalette::Mid,
    QPalette::Highlight,
    QPalette::Window,
};

// 0xRRGGBB of the system colour with the given index.
std::uint32_t SystemColorRGB(int index) {
    if (index >= static_cast<int>(SystemRoles.size()))
        return 0;
    const QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
    return palette.color(SystemRoles[static_cast<std::size_t>(index)]).rgb() & 0xFFFFFFu;
}

} // namespace

std::uint32_t ColorToARGB(TColor color, std::uint8_t alpha) {
    const auto value = static_cast<std::uint32_t>(color);
    std::uint32_t rgb = 0;
    if (color < 0) {
        rgb = SystemColorRGB(static_cast<int>(value & 0xFFu));
    } else {
        const std::uint32_t red = value & 0xFFu;
        const std::uint32_t green = (value >> 8) & 0xFFu;
        const std::uint32_t blue = (value >> 16) & 0xFFu;
        rgb = (red << 16) | (green << 8) | blue;
    }
    return (static_cast<std::uint32_t>(alpha) << 24) | rgb;
}

QColor ColorToQColor(TColor color, std::uint8_t alpha) {
    return QColor::fromRgba(ColorToARGB(color, alpha));
}

std::uint8_t TransToAlpha(Extended trans) {
    // Opacities outside 0..100 (from foreign files) are held to the byte's range.
    const int alpha = RoundHalfEven(trans * 255 / 100);
    return static_cast<std::uint8_t>(std::clamp(alpha, 0, 255));
}
