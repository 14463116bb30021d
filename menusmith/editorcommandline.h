#pragma once

#include <checkreport.h>
#include <publisher.h>

#include <QLocale>
#include <QString>
#include <QStringList>

// What the command line asks of the editor.
struct EditorCommandLine {
    QString language = QStringLiteral("IT"); // "IT" or "EN"
    QString configPath;                      // a config.ini to open, or empty
    bool exitNow = false;                    // --help or --version was answered
    int exitCode = 0;
    QString output; // what --help, --version or a mistake prints
    // --check: the project folder to check instead of opening the editor.
    bool checkDisc = false;
    QString checkFolder;
    DiscCheckRequest check;
    // --publish: the project made into a disc instead of opening the editor.
    bool publish = false;
    PublishRequest publishRequest; // without the runtime, which the editor finds
};

// Reads arguments (the program name first) and MENUSMITH_LANG: "--lang EN",
// "--help", "--version" and an optional config.ini or the folder that holds it;
// "--check [PROJECT_FOLDER]" checks that folder (the current one without it);
// "--publish PROJECT_FOLDER TARGET_FOLDER [--force] [--iso FILE]" makes a disc.
// Without a language asked for, the system's (see systemLanguage).
EditorCommandLine parseEditorCommandLine(const QStringList& arguments,
                                         const QString& languageVariable,
                                         const QLocale& systemLocale = QLocale::system());
