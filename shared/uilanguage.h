#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The languages both programs speak: "IT", "EN" and any other whose texts
// ship (see TextCatalog), as a command line or the environment may ask for
// them (any letter case, blanks around); nothing for anything else.
std::optional<QString> languageCode(const QString& text);

// A disc's [LING] names "IT" or "EN" only (any letter case, blanks around);
// nothing for anything else.
std::optional<QString> discLanguageCode(const QString& text);

// The language for a system whose locale is given: its own when its texts
// ship (Italian for Italian), English for every other.
QString systemLanguage(const QLocale& locale);

// The languages that ship, for a command line's help: "IT or EN", or
// "IT, EN or DE" when a third one ships.
QString shippedLanguagesText();
