#pragma once

#include <QLocale>
#include <QString>

// The language of the menu's texts, first found: the one the command line or
// MENU_LANG gave (empty when neither did), the disc's [LING], the system's.
QString chooseMenuLanguage(const QString& given, const QString& discLanguage,
                           const QLocale& system);

// The [LING] value of the config.ini in discFolder; empty when it has none or
// cannot be read (the start-up reports that later, in the chosen language).
QString discLanguage(const QString& discFolder);
