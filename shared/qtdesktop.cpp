#include "qtdesktop.h"

#include "configpath.h"
#include "programcommand.h"
#include "shellopen.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

bool QtDesktop::openDocumentOrAddress(const QString& target) {
    if (target.isEmpty())
        return false;
    const QUrl url = hasUrlScheme(target)
                         ? QUrl(target, QUrl::TolerantMode)
                         : QUrl::fromLocalFile(paths::resolve(target, QDir::currentPath()));
    return QDesktopServices::openUrl(url);
}

bool QtDesktop::startProgram(const QString& commandLine, const QString& workingFolder) {
    const ProgramCommand command = ProgramCommand::fromCommandLine(commandLine, workingFolder);
    if (command.program.isEmpty())
        return false;
    // A Windows ".exe" that this system cannot run fails here, silently.
    return QProcess::startDetached(command.program, command.arguments, command.workingFolder);
}

bool QtDesktop::openFolder(const QString& folder) {
#ifdef Q_OS_WIN
    return startProgram(QStringLiteral("explorer.exe ") + folder, QDir::currentPath());
#else
    const QString resolved = paths::resolve(folder, QDir::currentPath());
    if (!QFileInfo(resolved).isDir())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(resolved));
#endif
}
