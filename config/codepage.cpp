#include "codepage.h"

#include <array>

namespace {

// The characters of bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char16_t toUnicode(uchar byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

// -1 when the character has no byte in the code page.
int toByte(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace cp1252 {

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(toUnicode(uchar(bytes[i])));
    return text;
}

qsizetype firstUnencodable(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (toByte(text[i].unicode()) < 0)
            return i;
    }
    return -1;
}

std::optional<QByteArray> encode(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = toByte(text[i].unicode());
        if (byte < 0)
            return std::nullopt;
        bytes[i] = char(byte);
    }
    return bytes;
}

} // namespace cp1252
