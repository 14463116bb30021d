#pragma once

#include <configfile.h>

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
};

// The project in bytes. Applications beyond the file's [CATN] lines get "n/a".
OpenedProject projectFromBytes(QByteArrayView bytes);

// Reads path; nothing (and *errorMessage says why) when it cannot be read.
std::optional<OpenedProject> readProject(const QString& path, QString* errorMessage);

// What follows the layout header, as the writer puts it back: the lines
// without the last line end. "NO" when the file has no layout lines.
QString layoutTextOf(QByteArrayView bytes, const ConfigFile& config);

// The one line of a new config.ini, with the system's short date.
QString newProjectLine(const QDate& date);

// Replaces the file at path with the new-project line. False and *errorMessage
// when the file cannot be written; an old file is then left as it was.
bool writeNewProject(const QString& path, const QDate& date, QString* errorMessage);

// True when folder holds a file called fileName in any letter case.
bool fileExistsIgnoringCase(const QString& folder, const QString& fileName);
