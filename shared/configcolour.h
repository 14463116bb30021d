#pragma once

#include <QColor>
#include <QtGlobal>

class QPalette;

// A colour as config.ini stores it: 0x00BBGGRR for a fixed colour, or, with
// the top bit set (a negative number), one of the platform's system colours
// by index (0x8000000F is the button face). The raw value is kept so that a
// file read and written again keeps its system colours as system colours.
class ConfigColour {
public:
    constexpr ConfigColour() = default;
    constexpr explicit ConfigColour(qint32 raw)
        : m_raw(raw) {}

    static constexpr qint32 buttonFace = qint32(0x8000000F);
    static constexpr qint32 windowBackground = qint32(0x80000005);
    static constexpr qint32 windowText = qint32(0x80000008);
    static constexpr qint32 buttonText = qint32(0x80000012);

    constexpr qint32 raw() const { return m_raw; }
    constexpr bool isSystemColour() const { return m_raw < 0; }
    // The system colour index (COLOR_BTNFACE is 15), or -1 for a fixed colour.
    constexpr int systemIndex() const { return isSystemColour() ? int(m_raw & 0x7FFFFFFF) : -1; }

    // System colours come from palette; an index the platform does not
    // define gives the palette's window colour.
    QColor toQColor(const QPalette& palette) const;
    static ConfigColour fromQColor(const QColor& colour);

    friend constexpr bool operator==(ConfigColour, ConfigColour) = default;

private:
    qint32 m_raw = 0;
};
