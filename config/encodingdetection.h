#pragma once

#include "codepage.h"

#include <QByteArrayView>

// What a UTF-8 file written by the editor starts with.
inline constexpr QByteArrayView utf8ByteOrderMark("\xEF\xBB\xBF", 3);

// The code page config.ini's bytes are in, first found: a UTF-8 byte-order
// mark; the code page that the last [CODP] line names; UTF-8 when every byte
// sequence is valid UTF-8 and at least one character takes more than one byte;
// otherwise Windows-1252, which older menus and files assume.
CodePage detectCodePage(QByteArrayView bytes);

// The code page that the last [CODP] line names, if one does. Tags are ASCII in
// every code page we read, so the lines are found before anything is decoded.
std::optional<CodePage> namedCodePage(QByteArrayView bytes);
