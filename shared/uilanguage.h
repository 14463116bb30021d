#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The two languages both programs speak, "IT" and "EN", as a command line,
// the environment or a disc's [LING] may ask for them (any letter case,
// blanks around); nothing for anything else.
std::optional<QString> languageCode(const QString& text);

// The language for a system whose locale is given: Italian for Italian,
// English for every other.
QString systemLanguage(const QLocale& locale);
