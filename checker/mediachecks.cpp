#include "mediachecks.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;

// Every file below the disc's folder, hidden ones too; links are not followed.
QStringList discFiles(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir::cleanPath(it.next()));
    return files;
}

bool isNamed(const QString& file, const QSet<QString>& named) {
    // A file inside a named folder is named by it: the explore button shows it.
    for (QString path = file; path.size() > 1; path = QFileInfo(path).path()) {
        if (named.contains(path))
            return true;
    }
    return false;
}

} // namespace

std::optional<DiscTarget> discTargetNamed(const QString& name) {
    if (name.compare(u"cd", Qt::CaseInsensitive) == 0)
        return DiscTarget{QStringLiteral("CD"), 700 * kMegabyte};
    if (name.compare(u"dvd", Qt::CaseInsensitive) == 0)
        return DiscTarget{QStringLiteral("DVD"), 4'700'000'000};
    return std::nullopt;
}

void checkUnnamedFiles(DiscContext& context) {
    const QDir disc(context.folder());
    for (const QString& file : discFiles(context.folder())) {
        const QString relative = disc.relativeFilePath(file);
        if (relative.compare(u"config.ini", Qt::CaseInsensitive) == 0 ||
            relative.compare(u"sound.wav", Qt::CaseInsensitive) == 0)
            continue;
        if (!isNamed(file, context.named()))
            context.report(Finding::Severity::Info, QStringLiteral("unnamed-file"), {}, relative,
                           {relative});
    }
}

void checkDiscSize(DiscContext& context, const DiscTarget& target) {
    qint64 total = 0;
    for (const QString& file : discFiles(context.folder()))
        total += QFileInfo(file).size();
    if (total > target.bytes)
        context.report(Finding::Severity::Warning, QStringLiteral("disc-too-large"), {}, QString(),
                       {QString::number(total / kMegabyte), target.name,
                        QString::number(target.bytes / kMegabyte)});
}
