#pragma once

#include <configfile.h>
#include <fileproblem.h>

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <optional>

// A config.ini as the editor holds it after opening: the model, with every
// application given a category, and the layout lines that the next save
// writes back after the layout header.
struct OpenedProject {
    ConfigFile config;
    QString layoutText;
    // False for a file with no line of a config.ini at all (a picture, a
    // letter): saving would replace it with a project.
    bool looksLikeConfig = true;
};

// The project in bytes. Applications beyond the file's [CATN] lines get "n/a".
OpenedProject projectFromBytes(QByteArrayView bytes);

// Reads path; nothing (and *problem says why) when it cannot be read.
std::optional<OpenedProject> readProject(const QString& path, FileProblem* problem);

// What follows the layout header, as the writer puts it back: the lines
// without the last line end. "NO" when the file has no layout lines.
QString layoutTextOf(QByteArrayView bytes, const ConfigFile& config);

// The one line of a new config.ini, with the system's short date.
QString newProjectLine(const QDate& date);

// Replaces the file at path with the new-project line; an old file is left as
// it was when that fails.
FileProblem writeNewProject(const QString& path, const QDate& date);

// The file that path names, or the one beside it whose name differs only in
// letter case ("Config.ini" for "config.ini"); path itself when there is none.
QString existingProjectFile(const QString& path);
