#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installQtTranslations(const QString& language) {
    if (language == u"EN")
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    // qtbase holds the texts of every dialog the programs show.
    if (!translator->load(QLocale(language.toLower()), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
