#include "encodingdetection.h"

#include "linetokenizer.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

bool isMultiByteUtf8(QByteArrayView bytes) {
    const bool hasHighByte =
        std::any_of(bytes.begin(), bytes.end(), [](char byte) { return uchar(byte) >= 0x80; });
    if (!hasHighByte)
        return false;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

std::optional<CodePage> namedCodePage(QByteArrayView bytes) {
    constexpr QByteArrayView tag("[CODP]");
    std::optional<CodePage> named;
    LineTokenizer lines(bytes, CodePage::Windows1252);
    QByteArrayView line;
    while (lines.nextLine(line)) {
        if (line.startsWith(tag))
            named = codePageOfNumber(QString::fromLatin1(line.sliced(tag.size())));
    }
    return named;
}

CodePage detectCodePage(QByteArrayView bytes) {
    if (bytes.startsWith(utf8ByteOrderMark))
        return CodePage::Utf8;
    if (const std::optional<CodePage> named = namedCodePage(bytes))
        return *named;
    return isMultiByteUtf8(bytes) ? CodePage::Utf8 : CodePage::Windows1252;
}
