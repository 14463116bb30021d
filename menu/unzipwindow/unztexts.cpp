#include "unztexts.h"

#include "textcatalog.h"

#include <QMutex>
#include <QMutexLocker>

#include <map>

namespace {

UnzTexts textsOf(const TextCatalog& catalog) {
    UnzTexts t;
    t.locationCaption = catalog.text(QT_TRID_NOOP("unzip.locationCaption"));
    t.extractionCaption = catalog.text(QT_TRID_NOOP("unzip.extractionCaption"));
    // The file name follows at once, so a blank at the end is meant.
    t.replacePromptBefore = catalog.text(QT_TRID_NOOP("unzip.replacePromptBefore"));
    t.replacePromptTitle = catalog.text(QT_TRID_NOOP("unzip.replacePromptTitle"));
    t.errorBefore = catalog.text(QT_TRID_NOOP("unzip.errorBefore"));
    t.errorAfter = catalog.text(QT_TRID_NOOP("unzip.errorAfter"));
    // Inner blanks line up the colons in a fixed-pitch font.
    t.commentLabel = catalog.text(QT_TRID_NOOP("unzip.commentLabel"));
    t.compressedSizeLabel = catalog.text(QT_TRID_NOOP("unzip.compressedSizeLabel"));
    t.uncompressedSizeLabel = catalog.text(QT_TRID_NOOP("unzip.uncompressedSizeLabel"));
    t.compressionFactorLabel = catalog.text(QT_TRID_NOOP("unzip.compressionFactorLabel"));
    t.memberCountLabel = catalog.text(QT_TRID_NOOP("unzip.memberCountLabel"));
    // By the engine's result code; success (0) says nothing.
    t.resultLines = {
        QString(),
        catalog.text(QT_TRID_NOOP("unzip.result1")),
        catalog.text(QT_TRID_NOOP("unzip.result2")),
        catalog.text(QT_TRID_NOOP("unzip.result3")),
        catalog.text(QT_TRID_NOOP("unzip.result4")),
        catalog.text(QT_TRID_NOOP("unzip.result5")),
        catalog.text(QT_TRID_NOOP("unzip.result6")),
        catalog.text(QT_TRID_NOOP("unzip.result7")),
        catalog.text(QT_TRID_NOOP("unzip.result8")),
        catalog.text(QT_TRID_NOOP("unzip.result9")),
        catalog.text(QT_TRID_NOOP("unzip.result10")),
    };
    t.stopCaption = catalog.text(QT_TRID_NOOP("unzip.stopCaption"));
    t.stopQuestion = catalog.text(QT_TRID_NOOP("unzip.stopQuestion"));
    t.stoppedLine = catalog.text(QT_TRID_NOOP("unzip.stoppedLine"));
    t.messagesName = catalog.text(QT_TRID_NOOP("unzip.messagesName"));
    return t;
}

} // namespace

const UnzTexts& unzTexts(QStringView language) {
    // One set per language, made on first use and kept: windows hold on to it.
    static QMutex mutex;
    static std::map<QString, UnzTexts> sets;
    const TextCatalog& catalog = TextCatalog::forLanguage(language);
    const QMutexLocker lock(&mutex);
    auto found = sets.find(catalog.language());
    if (found == sets.end())
        found = sets.emplace(catalog.language(), textsOf(catalog)).first;
    return found->second;
}
