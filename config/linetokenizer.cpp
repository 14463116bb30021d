#include "linetokenizer.h"

#include "encodingdetection.h"

#include <algorithm>
#include <cstring>

LineTokenizer::LineTokenizer(QByteArrayView bytes)
    : LineTokenizer(bytes, detectCodePage(bytes)) {}

LineTokenizer::LineTokenizer(QByteArrayView bytes, CodePage codePage)
    : m_bytes(bytes)
    , m_codePage(codePage)
    , m_decoder(decoderFor(codePage)) {
    if (bytes.startsWith(utf8ByteOrderMark))
        m_pos = utf8ByteOrderMark.size();
    // A file with no CR at all has had its line ends turned into LF, by an
    // editor or a version control system; read as CR-terminated it would be
    // one line, and the disc would show nothing.
    if (!bytes.isEmpty() && !std::memchr(bytes.data(), '\r', size_t(bytes.size())))
        m_lineEnd = '\n';
}

bool LineTokenizer::nextLine(QByteArrayView& line) {
    const qsizetype size = m_bytes.size();
    const char* data = m_bytes.data();
    if (m_pos >= size)
        return false;
    const qsizetype start = m_pos;
    const void* lineEnd = std::memchr(data + start, m_lineEnd, size_t(size - start));
    const qsizetype end = lineEnd ? static_cast<const char*>(lineEnd) - data : size;
    m_pos = std::min(end + 1, size);
    if (m_pos < size && data[end] == '\r' && data[m_pos] == '\n')
        ++m_pos;
    line = m_bytes.sliced(start, end - start);
    return true;
}

bool LineTokenizer::next(ConfigToken& token) {
    QByteArrayView line;
    while (nextLine(line)) {
        if (line.size() < 6)
            continue;
        const std::optional<RecognisedTag> tag = recogniseTag(line.data());
        if (!tag)
            continue;
        token.tag = *tag;
        token.value = m_decoder.decode(line.sliced(6));
        return true;
    }
    return false;
}
