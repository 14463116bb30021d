#include "qtdesktop.h"

#include "configpath.h"
#include "programcommand.h"
#include "programstart.h"
#include "shellopen.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool QtDesktop::openDocumentOrAddress(const QString& target) {
    if (target.isEmpty())
        return fail(DesktopFailure::Reason::NotFound, target);
    if (hasUrlScheme(target)) {
        return QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode))
                   ? succeed()
                   : fail(DesktopFailure::Reason::NoApplication, target);
    }
    const QString path = paths::resolve(target, QDir::currentPath());
    if (!QFileInfo::exists(path))
        return fail(DesktopFailure::Reason::NotFound, path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path))
               ? succeed()
               : fail(DesktopFailure::Reason::NoApplication, path);
}

bool QtDesktop::startProgram(const QString& commandLine, const QString& workingFolder) {
    ProgramCommand command = ProgramCommand::fromCommandLine(commandLine, workingFolder);
    // A bare name such as "gedit" is looked for where the system keeps programs.
    if (!command.program.isEmpty() && QFileInfo(command.program).isRelative()) {
        const QString found = QStandardPaths::findExecutable(command.program);
        if (!found.isEmpty())
            command.program = found;
    }
    const ProgramStart start = ProgramStart::decide(command, ProgramFile::inspect(command.program));
    const QString named = command.program.isEmpty() ? commandLine.trimmed() : command.program;
    if (start.refusal != DesktopFailure::Reason::None)
        return fail(start.refusal, named);
    QProcess process;
    process.setProgram(start.program);
    process.setArguments(start.arguments);
    process.setWorkingDirectory(start.workingFolder);
    return process.startDetached() ? succeed() : fail(DesktopFailure::Reason::CannotStart, named);
}

bool QtDesktop::openFolder(const QString& folder) {
#ifdef Q_OS_WIN
    return startProgram(QStringLiteral("explorer.exe ") + folder, QDir::currentPath());
#else
    const QString resolved = paths::resolve(folder, QDir::currentPath());
    if (!QFileInfo(resolved).isDir())
        return fail(DesktopFailure::Reason::NotFound, resolved);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(resolved))
               ? succeed()
               : fail(DesktopFailure::Reason::NoApplication, resolved);
#endif
}

bool QtDesktop::succeed() {
    m_failure = {};
    return true;
}

bool QtDesktop::fail(DesktopFailure::Reason reason, const QString& file) {
    m_failure = {reason, QDir::toNativeSeparators(file)};
    return false;
}
