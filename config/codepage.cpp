#include "codepage.h"

#include <QStringEncoder>

namespace {

// Qt's converters for the Windows code pages come from ICU and are found by name.
const char* converterName(CodePage codePage) {
    switch (codePage) {
    case CodePage::Windows1250:
        return "windows-1250";
    case CodePage::Windows1251:
        return "windows-1251";
    case CodePage::Windows1252:
        return "windows-1252";
    case CodePage::Windows1253:
        return "windows-1253";
    case CodePage::Windows1254:
        return "windows-1254";
    case CodePage::Windows1257:
        return "windows-1257";
    case CodePage::Utf8:
        break;
    }
    return "UTF-8";
}

// A converter's error flag does not clear, so each conversion gets a fresh one.
QStringEncoder encoderFor(CodePage codePage) {
    if (codePage == CodePage::Utf8)
        return QStringEncoder(QStringConverter::Utf8);
    return QStringEncoder(converterName(codePage));
}

} // namespace

QString codePageNumber(CodePage codePage) {
    return QString::number(int(codePage));
}

std::optional<CodePage> codePageOfNumber(QStringView number) {
    const QStringView trimmed = number.trimmed();
    for (CodePage codePage : allCodePages) {
        if (trimmed == codePageNumber(codePage))
            return codePage;
    }
    return std::nullopt;
}

QStringDecoder decoderFor(CodePage codePage) {
    if (codePage == CodePage::Utf8)
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    return QStringDecoder(converterName(codePage), QStringConverter::Flag::Stateless);
}

QString decodeText(QByteArrayView bytes, CodePage codePage) {
    return decoderFor(codePage).decode(bytes);
}

std::optional<QByteArray> encodeText(QStringView text, CodePage codePage) {
    QStringEncoder encoder = encoderFor(codePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

qsizetype firstUnencodable(QStringView text, CodePage codePage) {
    if (encodeText(text, codePage))
        return -1;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        if (!encodeText(text.sliced(i, length), codePage))
            return i;
        i += length;
    }
    return 0;
}
