#include "menulanguage.h"

#include "configpath.h"
#include "configreader.h"
#include "uilanguage.h"

QString chooseMenuLanguage(const QString& given, const QString& discLanguage,
                           const QLocale& system) {
    if (const auto chosen = languageCode(given))
        return *chosen;
    if (const auto asked = discLanguageCode(discLanguage))
        return *asked;
    return systemLanguage(system);
}

QString discLanguage(const QString& discFolder) {
    // The texts are set before the window reads config.ini, so the disc's
    // wish is looked up on its own first.
    const auto path = paths::findInFolder(discFolder, QStringLiteral("config.ini"));
    if (!path)
        return QString();
    const std::optional<QByteArray> bytes = readConfigBytes(*path);
    return bytes ? parseConfig(*bytes).language : QString();
}
