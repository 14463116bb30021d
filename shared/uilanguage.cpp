#include "uilanguage.h"

#include "textcatalog.h"

#include <QStringList>

#include <algorithm>

std::optional<QString> languageCode(const QString& text) {
    const QString upper = text.trimmed().toUpper();
    if (!upper.isEmpty() && TextCatalog::languages().contains(upper))
        return upper;
    return std::nullopt;
}

std::optional<QString> discLanguageCode(const QString& text) {
    const QString upper = text.trimmed().toUpper();
    if (upper == u"IT" || upper == u"EN")
        return upper;
    return std::nullopt;
}

QString systemLanguage(const QLocale& locale) {
    const QString code = QLocale::languageToCode(locale.language()).toUpper();
    return TextCatalog::languages().contains(code) ? code : QStringLiteral("EN");
}

QString shippedLanguagesText() {
    // Italian and English first, as the programs have always named them.
    QStringList codes = TextCatalog::languages();
    std::stable_sort(codes.begin(), codes.end(), [](const QString& a, const QString& b) {
        const auto rank = [](const QString& code) {
            return code == u"IT" ? 0 : code == u"EN" ? 1 : 2;
        };
        return rank(a) < rank(b);
    });
    if (codes.size() < 2)
        return codes.join(QString());
    const QString last = codes.takeLast();
    return codes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}
