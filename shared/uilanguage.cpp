#include "uilanguage.h"

std::optional<QString> languageCode(const QString& text) {
    const QString upper = text.trimmed().toUpper();
    if (upper == u"IT" || upper == u"EN")
        return upper;
    return std::nullopt;
}

QString systemLanguage(const QLocale& locale) {
    return locale.language() == QLocale::Italian ? QStringLiteral("IT") : QStringLiteral("EN");
}
