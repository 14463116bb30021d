#pragma once

#include "codepage.h"
#include "configtags.h"

#include <QByteArrayView>
#include <QString>

// One tagged line of config.ini: which tag, and the rest of the line decoded.
struct ConfigToken {
    RecognisedTag tag;
    QString value;
};

// Splits the bytes of config.ini into lines and yields the tagged ones in file
// order. A line ends at CR or CR LF; a lone LF stays inside its line, as the
// Windows programs that wrote these files read them. A file without any CR has
// had its line ends converted and is split at LF instead. A last line without a
// line end is still read. Lines that do not start with a tag are skipped.
// Values are decoded in the file's code page (see detectCodePage); a UTF-8
// byte-order mark is no part of the first line.
// Every reader of config.ini in both programs finds its lines here, so that no
// two of them can disagree on what a line is.
class LineTokenizer {
public:
    explicit LineTokenizer(QByteArrayView bytes);
    // For bytes whose code page is known.
    LineTokenizer(QByteArrayView bytes, CodePage codePage);

    CodePage codePage() const { return m_codePage; }

    // The next tagged line, or false at the end of the bytes.
    bool next(ConfigToken& token);

    // The next line of any kind, without its line end, or false at the end.
    bool nextLine(QByteArrayView& line);

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    char m_lineEnd = '\r';
    CodePage m_codePage;
    QStringDecoder m_decoder;
};
