#pragma once

#include "checkreport.h"

#include <QString>
#include <QStringList>

// What the command line and the environment ask of the menu.
struct MenuOptions {
    enum class Outcome { Run, ShowHelp, ShowVersion, Error, CheckDisc };
    Outcome outcome = Outcome::Run;
    QString message;    // help, version or error text
    QString discFolder; // absolute, without a trailing separator
    QString language;   // "IT" or "EN" as asked for; empty when not (see chooseMenuLanguage)
    bool folderGiven = false;
    // --runtime: the folder of the runtime the menu was started from, whose
    // plugins it loads instead of the system's; empty for the system's Qt.
    QString runtimeFolder;
    DiscCheckRequest check; // for CheckDisc: the report's form and what to look at

    // arguments as QCoreApplication::arguments() gives them (program first).
    // programFolder is where the menu program lies; environmentLanguage is
    // MENU_LANG. The disc is the folder given, else the program's own folder.
    static MenuOptions parse(const QStringList& arguments, const QString& programFolder,
                             const QString& environmentLanguage);
};

// The reason the menu cannot start on options.discFolder, or empty when its
// config.ini is there.
QString missingConfigMessage(const MenuOptions& options);
