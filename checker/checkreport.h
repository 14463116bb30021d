#pragma once

#include "disccheck.h"
#include "finding.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <optional>

class CheckTexts;
class QCommandLineParser;

// One line per finding and a closing summary, in the texts' language.
QString formatTextReport(const QList<Finding>& findings, const CheckTexts& texts);

// A JSON array with one object per finding: severity, code, appIndex (null
// outside the applications) and appName, field, path, message.
QByteArray formatJsonReport(const QList<Finding>& findings);

// How the command line asks for a disc check, as both programs offer it.
struct DiscCheckRequest {
    bool json = false;
    DiscCheckOptions options;
};

// Adds --check, --format, --target and --unnamed to parser.
void addDiscCheckOptions(QCommandLineParser& parser);
// True when --check was given.
bool discCheckAsked(const QCommandLineParser& parser);
// The request of a parsed command line, or nothing (and *error) for a bad
// --format or --target.
std::optional<DiscCheckRequest> discCheckRequest(const QCommandLineParser& parser,
                                                 const QString& language, QString* error);

// Checks folder, prints the report on out and returns the exit status: 0
// clean, 1 warnings only, 3 errors.
int runDiscCheck(const QString& folder, const DiscCheckRequest& request, FILE* out);
