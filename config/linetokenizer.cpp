#include "linetokenizer.h"

#include "codepage.h"

#include <cstring>

bool LineTokenizer::next(ConfigToken& token) {
    const qsizetype size = m_bytes.size();
    const char* data = m_bytes.data();
    while (m_pos < size) {
        const qsizetype start = m_pos;
        const void* cr = std::memchr(data + start, '\r', size_t(size - start));
        const qsizetype end = cr ? static_cast<const char*>(cr) - data : size;
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
