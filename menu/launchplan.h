#pragma once

#include <QString>

// What one click on the install or extra button asks for, worked out from the
// record's command and folder before anything is started.
struct LaunchPlan {
    enum class Kind {
        Address,  // "[INTERNET]": an address for the desktop's default handler
        Document, // "[ASS]": a document opened through its file association
        Unzip,    // "[UNZIP]": an archive for the unzip window
        Program,  // anything else: a command line
    };
    Kind kind = Kind::Program;
    // Address or document as written (folder prefix included), or the command line.
    QString target;
    // Program: the folder to make current for the start, as written; empty
    // or "NO" leaves the program's folder current.
    QString folder;
    // Unzip: the archive as written (folder prefix included) and the
    // extraction folder.
    QString zipFName;
    QString extractRoot;

    friend bool operator==(const LaunchPlan&, const LaunchPlan&) = default;
};

// The install button: installCommand with the record's folder ("NO" for none),
// which prefixes documents and archives by plain concatenation and is current
// while a program starts.
LaunchPlan planInstall(const QString& installCommand, const QString& folder,
                       const QString& homeFolder);

// The extra button: documents, archives and programs are relative to the
// program's folder; the record's folder plays no part.
LaunchPlan planExtra(const QString& extraCommand, const QString& homeFolder);

// Where an archive is extracted: a folder named after it, path inside the
// argument kept, below drive C: on Windows and below homeFolder elsewhere,
// ending with the separator. The last four characters (".zip") are dropped;
// a shorter name is taken whole.
QString extractionRootFor(const QString& zipArgument, const QString& homeFolder);
