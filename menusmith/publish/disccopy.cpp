#include "disccopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QList>

using namespace Qt::StringLiterals;

std::optional<QString> copyFolder(const QString& source, const QString& target,
                                  const std::function<void(int percent)>& percentDone) {
    const QDir from(source);
    const QDir to(target);
    QList<QFileInfo> files;
    qint64 total = 0;
    QDirIterator it(source, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString relative = from.relativeFilePath(entry.filePath());
        if (entry.isDir()) {
            if (!to.mkpath(relative))
                return QDir::toNativeSeparators(to.filePath(relative));
        } else {
            files.append(entry);
            total += entry.size();
        }
    }
    if (!to.mkpath(u"."_s))
        return QDir::toNativeSeparators(target);

    qint64 copied = 0;
    int reported = -10; // no tenth reported yet
    const auto advance = [&](qint64 bytes) {
        copied += bytes;
        const int percent = total > 0 ? int(copied * 100 / total) : 100;
        if (percent / 10 != reported / 10) {
            reported = percent;
            percentDone(percent);
        }
    };
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (const QFileInfo& file : files) {
        const QString destination = to.filePath(from.relativeFilePath(file.filePath()));
        QFile in(file.filePath());
        QFile out(destination);
        if (!in.open(QIODevice::ReadOnly))
            return QDir::toNativeSeparators(file.filePath()) + u": "_s + in.errorString();
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QDir::toNativeSeparators(destination) + u": "_s + out.errorString();
        while (!in.atEnd()) {
            const qint64 read = in.read(buffer.data(), buffer.size());
            if (read < 0)
                return QDir::toNativeSeparators(file.filePath()) + u": "_s + in.errorString();
            if (out.write(buffer.constData(), read) != read)
                return QDir::toNativeSeparators(destination) + u": "_s + out.errorString();
            advance(read);
        }
        if (!out.flush())
            return QDir::toNativeSeparators(destination) + u": "_s + out.errorString();
        // FAT sticks keep no permissions and refuse them: the copy stands without.
        out.setPermissions(in.permissions());
    }
    if (files.isEmpty())
        advance(0);
    return std::nullopt;
}
