#pragma once

#include <QString>

// Who made the programs and where to reach them: shown by both about boxes
// and the editor's links.
namespace product {

inline constexpr int versionMajor = 1;
inline constexpr int versionMinor = 3;
inline constexpr int versionRevision = 0;

// "1.3.0", as the about boxes and --version show it.
inline QString versionNumber() {
    return QString::number(versionMajor) + u'.' + QString::number(versionMinor) + u'.' +
           QString::number(versionRevision);
}

inline constexpr char16_t makerMailFirst[] = u"tarsel@example.org";
inline constexpr char16_t makerMailSecond[] = u"freeware@example.org";
inline constexpr char16_t makerWebPage[] = u"https://www.example.org/tarsel/";

// "mailto:" with both addresses and the subject that tells which program wrote.
inline QString makerMailLink(QStringView subject) {
    return QStringLiteral("mailto:") + QString::fromUtf16(makerMailFirst) + QStringLiteral(", ") +
           QString::fromUtf16(makerMailSecond) + QStringLiteral("?subject=") + subject;
}

} // namespace product
