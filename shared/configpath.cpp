#include "configpath.h"

#include <QDir>
#include <QFileInfo>

namespace paths {

namespace {

// Entries are compared case-insensitively in name order, so that of two names
// that differ only in case the same one is always chosen.
std::optional<QString> matchEntry(const QDir& dir, const QString& name) {
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

QString withSlashes(const QString& path) {
#ifdef Q_OS_WIN
    return path;
#else
    QString converted = path;
    converted.replace(u'\\', u'/');
    return converted;
#endif
}

} // namespace

bool hasDriveLetter(const QString& path) {
    return path.size() >= 2 && path.at(0).isLetter() && path.at(0).unicode() < 128 &&
           path.at(1) == u':';
}

QString resolve(const QString& storedPath, const QString& folder) {
#ifndef Q_OS_WIN
    if (hasDriveLetter(storedPath))
        return storedPath;
#endif
    const QString relative = QDir::cleanPath(withSlashes(storedPath));
    const bool absolute = QDir::isAbsolutePath(relative);
    const QString joined =
        absolute ? relative : QDir::cleanPath(QDir(folder).absolutePath() + u'/' + relative);
    if (storedPath.isEmpty() || QFileInfo::exists(joined))
        return joined;

    QDir dir(absolute ? QDir::rootPath() : QDir(folder).absolutePath());
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        if (part == u"..") {
            dir.setPath(QDir::cleanPath(dir.path() + u"/.."));
            continue;
        }
        const std::optional<QString> found = matchEntry(dir, part);
        if (!found)
            return joined;
        const QString next = dir.filePath(*found);
        if (i + 1 == parts.size())
            return QDir::cleanPath(next);
        dir.setPath(next);
    }
    return QDir::cleanPath(dir.path());
}

std::optional<QString> findInFolder(const QString& folder, const QString& name) {
    const QDir dir(folder);
    const std::optional<QString> found = matchEntry(dir, name);
    if (!found)
        return std::nullopt;
    return dir.filePath(*found);
}

} // namespace paths
