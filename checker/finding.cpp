#include "finding.h"

#include <algorithm>

QString severityName(Finding::Severity severity) {
    switch (severity) {
    case Finding::Severity::Info:
        return QStringLiteral("info");
    case Finding::Severity::Warning:
        return QStringLiteral("warning");
    case Finding::Severity::Error:
        break;
    }
    return QStringLiteral("error");
}

int checkExitStatus(const QList<Finding>& findings) {
    const auto has = [&](Finding::Severity severity) {
        return std::any_of(findings.begin(), findings.end(),
                           [&](const Finding& f) { return f.severity == severity; });
    };
    if (has(Finding::Severity::Error))
        return 3;
    return has(Finding::Severity::Warning) ? 1 : 0;
}
