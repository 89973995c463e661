#include "platform/Colors.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace platform {

namespace {

std::array<TColor, 32> g_overrides = [] {
    std::array<TColor, 32> a{};
    a.fill(-1);
    return a;
}();

// Fixed classic values where the palette has no counterpart.
TColor fromPalette(int index) {
    const QPalette pal = QApplication::palette();
    switch (index) {
    case 5:
        return fromQColor(pal.color(QPalette::Base));
    case 8:
    case 7:
        return fromQColor(pal.color(QPalette::Text));
    case 13:
        return fromQColor(pal.color(QPalette::Highlight));
    case 14:
        return fromQColor(pal.color(QPalette::HighlightedText));
    case 15:
    case 4:
        return fromQColor(pal.color(QPalette::Button));
    case 16:
        return fromQColor(pal.color(QPalette::Mid));
    case 17:
        return fromQColor(pal.color(QPalette::Disabled, QPalette::Text));
    case 18:
        return fromQColor(pal.color(QPalette::ButtonText));
    case 20:
        return fromQColor(pal.color(QPalette::Light));
    case 21:
        return fromQColor(pal.color(QPalette::Shadow));
    case 22:
        return fromQColor(pal.color(QPalette::Midlight));
    case 23:
        return fromQColor(pal.color(QPalette::ToolTipText));
    case 24:
        return fromQColor(pal.color(QPalette::ToolTipBase));
    case 6:
        return clBlack;
    case 12:
        return clGray;
    default:
        return fromQColor(pal.color(QPalette::Window));
    }
}

} // namespace

TColor ColorToRGB(TColor color) {
    if (color >= 0)
        return color & 0xFFFFFF;
    const int index = color & 0xFF;
    if (index < static_cast<int>(g_overrides.size()) && g_overrides[index] >= 0)
        return g_overrides[index];
    return fromPalette(index);
}

QColor toQColor(TColor color) {
    const TColor c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor fromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

void setSystemColorOverride(int index, TColor value) {
    if (index >= 0 && index < static_cast<int>(g_overrides.size()))
        g_overrides[index] = value < 0 ? -1 : value;
}

} // namespace platform
