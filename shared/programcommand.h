#pragma once

#include <QString>
#include <QStringList>

// A command line from config.ini made ready to start: split the way a shell
// would, the program looked up in the working folder (with "\" and letter case
// forgiven), and the working folder replaced by the current one when it does
// not exist, since a folder that cannot be made current is passed over.
struct ProgramCommand {
    QString program;
    QStringList arguments;
    QString workingFolder;

    static ProgramCommand fromCommandLine(const QString& commandLine, const QString& workingFolder);
};
