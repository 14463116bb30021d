#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTranslator>

// The program's texts in one language, read from the translation built from
// translations/discmenu_<language>.ts and carried inside the program. Each
// catalog has its own translator, so texts of several languages can be asked
// for side by side; nothing is installed application-wide.
class TextCatalog {
public:
    // The catalog of language ("IT", "EN", or any other language whose file
    // ships, in capitals); Italian for a language that does not ship. Lives
    // as long as the program.
    static const TextCatalog& forLanguage(QStringView language);

    // The languages that ship, in capitals ("EN", "IT", ...).
    static QStringList languages();

    // The language the catalog's texts are in.
    const QString& language() const { return m_language; }

    // The text with that id; empty when the language has none for it. A
    // language other than Italian and English falls back to English.
    QString text(const char* id) const;

    explicit TextCatalog(const QString& language);

private:
    QString m_language;
    QTranslator m_translator;
};
