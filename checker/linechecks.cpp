#include "linechecks.h"

#include <codepage.h>
#include <configtags.h>
#include <linetokenizer.h>

#include <QStringList>

namespace {

// The four letters of every tag, upper case: "TITL", "CO1T", "BKGR" ...
const QStringList& tagLetters() {
    static const QStringList letters = [] {
        QStringList all;
        for (int t = 0; t < kConfigTagCount; ++t)
            all.append(QString(tagText(ConfigTag(t))).mid(1, 4).toUpper());
        for (const LayoutKey& key : layoutKeys())
            all.append(layoutTagText(key).mid(1, 4).toUpper());
        return all;
    }();
    return letters;
}

} // namespace

std::optional<QString> lookAlikeTag(const QString& line) {
    const QString start = line.trimmed();
    const qsizetype close = start.indexOf(u']');
    if (!start.startsWith(u'[') || close < 2 || close > 12)
        return std::nullopt;
    const QByteArray six = line.left(6).toLatin1();
    if (six.size() == 6 && recogniseTag(six.constData()))
        return std::nullopt;
    QString letters = start.mid(1, close - 1).toUpper();
    letters.remove(u' ');
    for (const QString& tag : tagLetters()) {
        if (letters.startsWith(tag))
            return start.left(close + 1);
    }
    return std::nullopt;
}

void checkLookAlikeTags(DiscContext& context, QByteArrayView bytes) {
    // Lines as the menu finds them, decoded as the menu decodes them.
    LineTokenizer lines(bytes);
    QByteArrayView raw;
    int number = 0;
    while (lines.nextLine(raw)) {
        ++number;
        const QString line = decodeText(raw, lines.codePage());
        if (const auto tag = lookAlikeTag(line))
            context.report(Finding::Severity::Warning, QStringLiteral("look-alike-tag"),
                           {-1, QStringLiteral("line %1").arg(number)}, QString(), {*tag});
    }
}
