#include "textcatalog.h"

#include <QDebug>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Where the build puts the compiled translations, named discmenu_<language>.qm.
const QString folder = u":/i18n"_s;
const QString prefix = u"discmenu_"_s;
const QString suffix = u".qm"_s;

QString fileOf(const QString& language) {
    return folder + u'/' + prefix + language.toLower() + suffix;
}

} // namespace

TextCatalog::TextCatalog(const QString& language)
    : m_language(language) {
    if (!m_translator.load(fileOf(language)))
        qWarning() << "TextCatalog: no texts for the language" << language;
}

const TextCatalog& TextCatalog::forLanguage(QStringView language) {
    // The check may run off the main thread, so the cache is shared with care.
    static QMutex mutex;
    static std::map<QString, std::unique_ptr<TextCatalog>> catalogs;
    const QString wanted = languages().contains(language) ? language.toString() : u"IT"_s;
    const QMutexLocker lock(&mutex);
    auto& catalog = catalogs[wanted];
    if (!catalog)
        catalog = std::make_unique<TextCatalog>(wanted);
    return *catalog;
}

QStringList TextCatalog::languages() {
    static const QStringList shipped = [] {
        QStringList codes;
        const QStringList files =
            QDir(folder).entryList({prefix + u'*' + suffix}, QDir::Files, QDir::Name);
        for (const QString& file : files)
            codes.append(
                file.mid(prefix.size(), file.size() - prefix.size() - suffix.size()).toUpper());
        return codes;
    }();
    return shipped;
}

QString TextCatalog::text(const char* id) const {
    // An id-based translation file stores each text under its id, with no context.
    const QString text = m_translator.translate(nullptr, id);
    // Italian and English are complete: a text missing there is meant to be
    // blank. Any other language may be partly translated and shows the rest
    // in English.
    if (!text.isEmpty() || m_language == u"IT" || m_language == u"EN")
        return text;
    return forLanguage(u"EN").text(id);
}
