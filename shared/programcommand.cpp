#include "programcommand.h"

#include "configpath.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

ProgramCommand ProgramCommand::fromCommandLine(const QString& commandLine,
                                               const QString& workingFolder) {
    ProgramCommand command;
    command.workingFolder = QFileInfo(workingFolder).isDir() && !workingFolder.isEmpty()
                                ? QDir(workingFolder).absolutePath()
                                : QDir::currentPath();
    command.arguments = QProcess::splitCommand(commandLine);
    if (command.arguments.isEmpty())
        return command;
    const QString written = command.arguments.takeFirst();
    // A bare name such as "notepad" is left for the system's program search.
    const QString resolved = paths::resolve(written, command.workingFolder);
    const bool namesPath = written.contains(u'/') || written.contains(u'\\');
    command.program = QFileInfo(resolved).isFile() || namesPath ? resolved : written;
    return command;
}
