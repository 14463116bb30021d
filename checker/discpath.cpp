#include "discpath.h"

#include <configpath.h>

#include <QDir>
#include <QFileInfo>

DiscPath lookUpOnDisc(const QString& storedPath, const QString& baseFolder) {
    DiscPath found;
    if (storedPath.isEmpty() || paths::hasDriveLetter(storedPath)) {
        found.resolved = storedPath;
        return found;
    }
    QString slashes = storedPath;
    slashes.replace(u'\\', u'/');
    const QString exact = QDir::isAbsolutePath(slashes)
                              ? QDir::cleanPath(slashes)
                              : QDir::cleanPath(baseFolder + u'/' + slashes);
    if (QFileInfo::exists(exact)) {
        found.match = DiscPath::Match::Exact;
        found.resolved = exact;
        return found;
    }
    const QString resolved = paths::resolve(storedPath, baseFolder);
    found.resolved = resolved;
    if (QFileInfo::exists(resolved))
        found.match = DiscPath::Match::CaseOnly;
    return found;
}

std::optional<QString> checkNamedPath(DiscContext& context, const QString& storedPath,
                                      const QString& baseFolder, const FindingPlace& place) {
    const DiscPath found = lookUpOnDisc(storedPath, baseFolder);
    switch (found.match) {
    case DiscPath::Match::Missing:
        context.report(Finding::Severity::Error, QStringLiteral("missing-file"), place, storedPath,
                       {storedPath});
        return std::nullopt;
    case DiscPath::Match::CaseOnly:
        context.report(Finding::Severity::Warning, QStringLiteral("case-only-match"), place,
                       storedPath,
                       {storedPath, QDir(context.folder()).relativeFilePath(found.resolved)});
        break;
    case DiscPath::Match::Exact:
        break;
    }
    context.noteNamed(found.resolved);
    return found.resolved;
}
