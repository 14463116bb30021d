#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Why a file could not be read or written, for each program to say in its own
// language: the system's own error texts are English only.
enum class FileProblem : quint8 {
    None,
    NotFound,          // no file of that name
    FolderNotFound,    // the folder it should be in does not exist
    IsFolder,          // the name is a folder
    ReadDenied,        // the file may not be read
    WriteDenied,       // the file may not be written
    FolderWriteDenied, // the folder lets no file be made in it
    DiskFull,
    ReadFailed,  // the system failed while reading
    WriteFailed, // the system failed while writing
};

// What stopped a read or a write of path, from the error the file reported and
// what the file system says now.
FileProblem readProblem(const QString& path, QFileDevice::FileError error);
FileProblem writeProblem(const QString& path, QFileDevice::FileError error);

// Replaces the content of path with bytes as a whole: through a temporary file
// renamed over it, or, where the folder lets no temporary file be made but the
// file itself may be written, over the file directly, putting the old content
// back if that write fails. None when the new content is in place.
FileProblem replaceFileContent(const QString& path, const QByteArray& bytes);
