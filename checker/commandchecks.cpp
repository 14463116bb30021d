#include "commandchecks.h"

#include "archivechecks.h"
#include "discpath.h"

#include <configvalues.h>
#include <launchplan.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

bool hasSuffix(const QString& name, std::initializer_list<QStringView> suffixes) {
    const QString suffix = QFileInfo(name).suffix();
    for (QStringView s : suffixes) {
        if (suffix.compare(s, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isWindowsProgramName(const QString& name) {
    return hasSuffix(name, {u"exe", u"bat", u"cmd", u"com", u"msi"});
}

bool isSet(const QString& value) {
    return !value.isEmpty() && !configvalue::isUnset(value);
}

void reportProgramKind(DiscContext& context, const QString& file, const QString& written,
                       const FindingPlace& place) {
    QString code;
    switch (programKind(file)) {
    case ProgramKind::Other:
        return;
    case ProgramKind::Windows:
        code = QStringLiteral("windows-only");
        break;
    case ProgramKind::LinuxBinary:
    case ProgramKind::Script:
        // A program that lost its execute bit fails first for that reason.
        code = QFileInfo(file).isExecutable() ? QStringLiteral("linux-only")
                                              : QStringLiteral("exec-bit");
        break;
    case ProgramKind::ScriptWithoutShebang:
        code = QStringLiteral("no-shebang");
        break;
    }
    context.report(Finding::Severity::Warning, code, place, written, {written});
}

// A command line: its program is looked up in the folder the menu makes
// current; a bare name found nowhere on the disc is left to the system.
void checkProgram(DiscContext& context, const QString& commandLine, const QString& workingFolder,
                  const FindingPlace& place) {
    const QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return;
    const QString& written = words.first();
    const bool namesPath = written.contains(u'/') || written.contains(u'\\');
    if (!namesPath && lookUpOnDisc(written, workingFolder).match == DiscPath::Match::Missing) {
        if (isWindowsProgramName(written))
            context.report(Finding::Severity::Warning, QStringLiteral("windows-only"), place,
                           written, {written});
        return;
    }
    if (const auto file = checkNamedPath(context, written, workingFolder, place))
        reportProgramKind(context, *file, written, place);
}

void checkPlan(DiscContext& context, const LaunchPlan& plan, const QString& workingFolder,
               const FindingPlace& place) {
    switch (plan.kind) {
    case LaunchPlan::Kind::Address:
        return;
    case LaunchPlan::Kind::Document:
        checkNamedPath(context, plan.target, context.folder(), place);
        return;
    case LaunchPlan::Kind::Unzip:
        checkArchive(context, plan.zipFName, place);
        return;
    case LaunchPlan::Kind::Program:
        checkProgram(context, plan.target, workingFolder, place);
        return;
    }
}

} // namespace

ProgramKind programKind(const QString& file) {
    if (isWindowsProgramName(file))
        return ProgramKind::Windows;
    QFile program(file);
    QByteArray start;
    if (program.open(QIODevice::ReadOnly))
        start = program.read(4);
    if (start.startsWith("\x7f"
                         "ELF"))
        return ProgramKind::LinuxBinary;
    if (start.startsWith("#!"))
        return ProgramKind::Script;
    if (hasSuffix(file, {u"sh", u"bash", u"ksh", u"zsh", u"csh"}))
        return ProgramKind::ScriptWithoutShebang;
    return ProgramKind::Other;
}

void checkApplicationCommands(DiscContext& context, int index) {
    const AppEntry& app = context.config().apps.at(index);
    // The folder the install button's program starts in; the menu passes over
    // one that does not exist and stays in its own.
    QString workingFolder = context.folder();
    bool folderMissing = false;
    if (isSet(app.folder)) {
        const auto folder = checkNamedPath(context, app.folder, context.folder(),
                                           {index, QStringLiteral("[ESAM]")});
        folderMissing = !folder;
        if (folder && QFileInfo(*folder).isDir())
            workingFolder = *folder;
    }
    if (isSet(app.installCommand)) {
        const LaunchPlan plan = planInstall(app.installCommand, app.folder, QString());
        // A document or archive below a missing folder is missing with it:
        // the folder's finding says so once.
        const bool belowFolder =
            plan.kind == LaunchPlan::Kind::Document || plan.kind == LaunchPlan::Kind::Unzip;
        if (!(folderMissing && belowFolder))
            checkPlan(context, plan, workingFolder, {index, QStringLiteral("[COMM]")});
    }
    // "NO" as the caption disables the extra button, whatever its command.
    if (isSet(app.extraCaption) && isSet(app.extraCommand))
        checkPlan(context, planExtra(app.extraCommand, QString()), context.folder(),
                  {index, QStringLiteral("[EXTR]")});
}
