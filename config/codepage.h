#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <optional>

// The code pages config.ini may be written in, by their Windows numbers. Older
// menus read every file as Windows-1252; a [CODP] line names any other.
enum class CodePage : quint16 {
    Windows1250 = 1250, // Central European
    Windows1251 = 1251, // Cyrillic
    Windows1252 = 1252, // Western, the one older menus know
    Windows1253 = 1253, // Greek
    Windows1254 = 1254, // Turkish
    Windows1257 = 1257, // Baltic
    Utf8 = 65001,
};

inline constexpr std::array<CodePage, 7> allCodePages = {
    CodePage::Windows1252, CodePage::Windows1250, CodePage::Windows1251, CodePage::Windows1253,
    CodePage::Windows1254, CodePage::Windows1257, CodePage::Utf8,
};

// The number a [CODP] line holds: "1251", "65001".
QString codePageNumber(CodePage codePage);
// The code page of a [CODP] value, when it names one of ours (blanks around it allowed).
std::optional<CodePage> codePageOfNumber(QStringView number);

// Every byte decodes to one character in the single-byte code pages. The five
// bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode
// to the C1 control of the same value, as Windows itself does, so all 256 bytes
// of a Windows-1252 file survive a round trip.
QString decodeText(QByteArrayView bytes, CodePage codePage);

// A decoder for many pieces of text in one code page; each piece decodes on its own.
QStringDecoder decoderFor(CodePage codePage);

// The bytes of text, or nothing when a character has no place in the code page.
std::optional<QByteArray> encodeText(QStringView text, CodePage codePage);

// Where the first character of text that the code page cannot store starts, or -1.
qsizetype firstUnencodable(QStringView text, CodePage codePage);
