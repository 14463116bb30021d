#pragma once

#include <QList>
#include <QString>

// One thing the disc check found: how bad it is, a stable code for scripts,
// where it is (application, field or line, path) and why, in the program's
// language.
struct Finding {
    enum class Severity { Info, Warning, Error };

    Severity severity = Severity::Error;
    QString code;      // "missing-file", "windows-only", ...
    int appIndex = -1; // 0-based application, -1 for the rest of the file
    QString appName;
    QString field; // a tag such as "[IMGN]", a control such as "Command1", or "line 12"
    QString path;  // the path as config.ini writes it, when the finding is about one
    QString message;

    friend bool operator==(const Finding&, const Finding&) = default;
};

// "error", "warning" or "info": the names the reports use in both languages.
QString severityName(Finding::Severity severity);

// The exit status of a check: 0 clean (information does not count), 1 warnings
// only, 3 errors.
int checkExitStatus(const QList<Finding>& findings);
