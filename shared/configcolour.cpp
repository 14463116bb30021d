#include "configcolour.h"

#include <QPalette>

#include <array>

namespace {

struct SystemColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The platform's system colour indices 0..30 and the palette colour that
// plays the same part in a Qt window.
constexpr std::array<SystemColour, 31> systemColours{{
    {QPalette::Active, QPalette::Midlight},        // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},     // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window background
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Button},          // 10 active border
    {QPalette::Inactive, QPalette::Button},        // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    {QPalette::Active, QPalette::Window},          // 25 not defined by the platform
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},     // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
}};

} // namespace

QColor ConfigColour::toQColor(const QPalette& palette) const {
    if (isSystemColour()) {
        const int index = systemIndex();
        if (index >= int(systemColours.size()))
            return palette.color(QPalette::Active, QPalette::Window);
        const SystemColour& entry = systemColours[std::size_t(index)];
        return palette.color(entry.group, entry.role);
    }
    // The top byte of a fixed colour selects palette modes on the platform;
    // only the three colour bytes matter here.
    const quint32 value = quint32(m_raw);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

ConfigColour ConfigColour::fromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return ConfigColour(
        qint32(quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16));
}
