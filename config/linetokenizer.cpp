#include "linetokenizer.h"

#include "codepage.h"

#include <cstring>

LineTokenizer::LineTokenizer(QByteArrayView bytes)
    : m_bytes(bytes) {
    // A file with no CR at all has had its line ends turned into LF, by an
    // editor or a version control system; read as CR-terminated it would be
    // one line, and the disc would show nothing.
    if (!bytes.isEmpty() && !std::memchr(bytes.data(), '\r', size_t(bytes.size())))
        m_lineEnd = '\n';
}

bool LineTokenizer::next(ConfigToken& token) {
    const qsizetype size = m_bytes.size();
    const char* data = m_bytes.data();
    while (m_pos < size) {
        const qsizetype start = m_pos;
        const void* lineEnd = std::memchr(data + start, m_lineEnd, size_t(size - start));
        const qsizetype end = lineEnd ? static_cast<const char*>(lineEnd) - data : size;
        m_pos = end + 1;
        if (m_pos < size && data[end] == '\r' && data[m_pos] == '\n')
            ++m_pos;

        if (end - start < 6)
            continue;
        const std::optional<RecognisedTag> tag = recogniseTag(data + start);
        if (!tag)
            continue;
        token.tag = *tag;
        token.value = cp1252::decode(m_bytes.sliced(start + 6, end - start - 6));
        return true;
    }
    return false;
}
