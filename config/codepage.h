#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// config.ini is 8-bit text in the Windows "ANSI" code page of the machines the
// discs were authored on. We fix Windows-1252 for reading and writing so that a
// file written by any of our programs, or by hand on Windows, reads the same here.
namespace cp1252 {

// Every byte decodes to one character. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1 control of the same
// value, as Windows itself does, so all 256 bytes survive a round trip.
QString decode(QByteArrayView bytes);

// The bytes of text, or nothing when a character has no Windows-1252 byte.
std::optional<QByteArray> encode(QStringView text);

// The first character of text that Windows-1252 cannot store, or -1.
qsizetype firstUnencodable(QStringView text);

} // namespace cp1252
