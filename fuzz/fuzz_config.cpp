// Feeds arbitrary bytes to the tokenizer and the reader, and checks what must
// hold for every file: the model writes out and reads back to itself.
#include "configreader.h"
#include "configvalues.h"
#include "configwriter.h"
#include "linetokenizer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    LineTokenizer tokenizer(bytes);
    ConfigToken token;
    qsizetype tokens = 0;
    while (tokenizer.next(token))
        ++tokens;

    const ConfigFile config = parseConfig(bytes);
    if (config.layout.lines.size() > tokens)
        std::abort();

    // Whatever was read can be written (a CR cannot be in a value read from a
    // file), except bytes that a named code page leaves undefined: they read as
    // U+FFFD, which only UTF-8 can store, and the writer must say so.
    ConfigWriteResult result;
    const QByteArray written = formatConfig(config, config.layout.toText(), &result);
    if (!result.ok) {
        const bool undefinedByte =
            result.valueProblem == ConfigWriteResult::ValueProblem::Unencodable &&
            result.character == QString(QChar::ReplacementCharacter) &&
            config.encoding != CodePage::Windows1252;
        if (!undefinedByte)
            std::abort();
        return 0;
    }
    ConfigFile again = parseConfig(written);
    // The file reads back in its own code page, and names it where it must.
    if (again.encoding != config.encoding)
        std::abort();
    // Written without categories on, [CATN] values are not kept; otherwise all is.
    ConfigFile expected = config;
    if (!expected.categoriesEnabled) {
        expected.categories.clear();
        for (AppEntry& app : expected.apps)
            app.category.clear();
    } else if (expected.categories.isEmpty()) {
        // Written as "[CATE]NO", which reads back as categories off.
        expected.categoriesEnabled = false;
        for (AppEntry& app : expected.apps)
            app.category = configvalue::emptyCategoryList;
    }
    if (!again.codePage.isEmpty())
        expected.codePage = codePageNumber(config.encoding);
    if (!(again == expected))
        std::abort();
    return 0;
}
