#pragma once

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
};

// Reads arguments (the program name first) and MENUSMITH_LANG: "--lang EN",
// "--help", "--version" and an optional config.ini or the folder that holds it.
// Without a language asked for, the system's (see systemLanguage).
EditorCommandLine parseEditorCommandLine(const QStringList& arguments,
                                         const QString& languageVariable,
                                         const QLocale& systemLocale = QLocale::system());
