#include "uilanguage.h"

#include "textcatalog.h"

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
