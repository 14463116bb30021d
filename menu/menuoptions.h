#pragma once

#include <QString>
#include <QStringList>

// What the command line and the environment ask of the menu.
struct MenuOptions {
    enum class Outcome { Run, ShowHelp, ShowVersion, Error };
    Outcome outcome = Outcome::Run;
    QString message;    // help, version or error text
    QString discFolder; // absolute, without a trailing separator
    QString language;   // "IT" or "EN" as asked for; empty when not (see chooseMenuLanguage)
    bool folderGiven = false;

    // arguments as QCoreApplication::arguments() gives them (program first).
    // programFolder is where the menu program lies; environmentLanguage is
    // MENU_LANG. The disc is the folder given, else the program's own folder.
    static MenuOptions parse(const QStringList& arguments, const QString& programFolder,
                             const QString& environmentLanguage);
};

// The reason the menu cannot start on options.discFolder, or empty when its
// config.ini is there.
QString missingConfigMessage(const MenuOptions& options);
