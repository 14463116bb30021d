#pragma once

#include "finding.h"
#include "mediachecks.h"

#include <configfile.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct DiscCheckOptions {
    QString language = QStringLiteral("IT"); // "IT" or "EN", as the program runs
    bool listUnnamedFiles = false;           // information about files nothing names
    std::optional<DiscTarget> target;        // the medium the disc is meant for
};

// Checks the disc in folder: its config.ini, read as the menu reads it, and
// every file that it names. A config.ini that cannot be read is one error.
QList<Finding> checkDisc(const QString& folder, const DiscCheckOptions& options = {});

// The same for the bytes of a config.ini that belongs in folder.
QList<Finding> checkConfigBytes(const QString& folder, QByteArrayView bytes,
                                const DiscCheckOptions& options = {});
