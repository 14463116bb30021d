#pragma once

#include "configfile.h"
#include "fileproblem.h"

#include <QByteArray>
#include <QString>

struct ConfigWriteResult {
    // A value that config.ini cannot hold.
    enum class ValueProblem : quint8 { None, Unencodable, LineBreak };

    bool ok = false;
    QString errorMessage; // in English, for logs and tests: what went wrong, and where
    FileProblem fileProblem = FileProblem::None;
    ValueProblem valueProblem = ValueProblem::None;
    QString character; // the character that cannot be stored
    // When a value cannot be stored: its tag ("[TITL]", "[NOME]", or "" for the
    // layout text) and the application it belongs to (-1 for the others).
    QString fieldTag;
    int appIndex = -1;
};

// The bytes of config.ini for a model: the settings, categories and applications,
// the layout header, then layoutText unless it is "NO". Refuses a value that
// holds a character Windows-1252 cannot store or a carriage return (which would
// split the value into lines of its own); then *error says where, and the
// result is empty.
QByteArray formatConfig(const ConfigFile& config, const QString& layoutText,
                        ConfigWriteResult* error);

// Replaces the file at path as a whole (see replaceFileContent), so a failed
// save leaves the old file as it was.
ConfigWriteResult writeConfig(const ConfigFile& config, const QString& layoutText,
                              const QString& path);
