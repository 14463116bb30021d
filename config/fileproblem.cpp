#include "fileproblem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

FileProblem locationProblem(const QFileInfo& info) {
    if (!info.dir().exists())
        return FileProblem::FolderNotFound;
    if (info.isDir())
        return FileProblem::IsFolder;
    return FileProblem::None;
}

} // namespace

FileProblem readProblem(const QString& path, QFileDevice::FileError error) {
    const QFileInfo info(path);
    if (const FileProblem where = locationProblem(info); where != FileProblem::None)
        return where;
    if (!info.exists())
        return FileProblem::NotFound;
    if (error == QFileDevice::OpenError && !info.isReadable())
        return FileProblem::ReadDenied;
    return FileProblem::ReadFailed;
}

FileProblem writeProblem(const QString& path, QFileDevice::FileError error) {
    if (error == QFileDevice::ResourceError)
        return FileProblem::DiskFull;
    const QFileInfo info(path);
    if (const FileProblem where = locationProblem(info); where != FileProblem::None)
        return where;
    if (info.exists() && !info.isWritable())
        return FileProblem::WriteDenied;
    if (error == QFileDevice::OpenError && !QFileInfo(info.absolutePath()).isWritable())
        return FileProblem::FolderWriteDenied;
    return FileProblem::WriteFailed;
}

FileProblem replaceFileContent(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        if (file.write(bytes) == bytes.size() && file.commit())
            return FileProblem::None;
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        return writeProblem(path, error);
    }

    // No temporary file could be made beside it. The file itself may still be
    // writable: write over it, and put the old content back if that fails.
    const QFileInfo info(path);
    QFile old(path);
    if (!info.exists() || info.isDir() || !old.open(QIODevice::ReadOnly))
        return writeProblem(path, file.error());
    const QByteArray previous = old.readAll();
    old.close();

    // QSaveFile's own direct-write fallback takes only EACCES, not the EPERM of
    // a locked folder, so the file is written here.
    FileProblem problem = FileProblem::None;
    {
        QFile direct(path);
        if (!direct.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return writeProblem(path, direct.error());
        if (direct.write(bytes) == bytes.size() && direct.flush())
            return FileProblem::None;
        problem = writeProblem(path, direct.error());
    } // closed here, before the old content goes back
    QFile restore(path);
    if (restore.open(QIODevice::WriteOnly | QIODevice::Truncate))
        restore.write(previous);
    return problem;
}
