#pragma once

#include "desktop.h"
#include "programcommand.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the system tells about a program file before it is started.
struct ProgramFile {
    bool exists = false;
    bool isFile = false;
    bool executable = false; // the system would run it as it is
    QByteArray head;         // its first bytes: a "#!" line or an ELF header

    // Reads the file's facts; a missing file gives all false.
    static ProgramFile inspect(const QString& path);
};

// How a command of the disc is started here. A disc copied to a stick or
// burnt to a disc often loses the execute bits: a script then runs through its
// interpreter (its "#!" line, or "sh"), a program through the system's
// dynamic loader. Windows-only programs and files that are no program are
// refused with the reason.
struct ProgramStart {
    DesktopFailure::Reason refusal = DesktopFailure::Reason::None; // None: start it
    QString program;       // what is started: the program, its interpreter or the loader
    QStringList arguments; // including the disc's program when program is not it
    QString workingFolder;

    // command's program must be a path the system can look at (found on the
    // search path already when written as a bare name); on Windows every
    // command is started as it is.
    static ProgramStart decide(const ProgramCommand& command, const ProgramFile& file);
};

// The loader an ELF program asks for (its PT_INTERP), read from the file's
// first bytes; the usual x86-64 loader when they name none.
QString elfLoaderOf(const QByteArray& head);
