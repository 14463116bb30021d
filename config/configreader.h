#pragma once

#include "configfile.h"
#include "fileproblem.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Reads the bytes of a config.ini; on failure the reason names the file and
// says what the system said, and *problem says it in a form to translate.
std::optional<QByteArray> readConfigBytes(const QString& path, QString* errorMessage = nullptr,
                                          FileProblem* problem = nullptr);

// The model of a config.ini's bytes. Every byte sequence is a valid file:
// lines that are no tag are skipped. General settings: the last line wins.
// Categories and application fields append; the number of applications is the
// number of [NOME] lines, a shorter list of another tag reads as empty text at
// the missing positions, values beyond the last name are dropped. The values
// are decoded in the code page that detectCodePage finds, kept as `encoding`.
ConfigFile parseConfig(QByteArrayView bytes);

struct ConfigReadResult {
    std::optional<ConfigFile> config; // empty when the file could not be read
    QString errorMessage;
};

ConfigReadResult readConfig(const QString& path);
