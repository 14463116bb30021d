#include "programstart.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Enough for a "#!" line and for an ELF program's headers and loader name.
constexpr qint64 kHeadSize = 4096;

const QString kShell = QStringLiteral("/bin/sh");
const QString kUsualLoader = QStringLiteral("/lib64/ld-linux-x86-64.so.2");

bool isWindowsOnly(const QString& program) {
    static const QStringList suffixes{QStringLiteral("exe"), QStringLiteral("bat"),
                                      QStringLiteral("cmd"), QStringLiteral("com"),
                                      QStringLiteral("msi")};
    return suffixes.contains(QFileInfo(program).suffix(), Qt::CaseInsensitive);
}

bool isElf(const QByteArray& head) {
    return head.startsWith("\x7f"
                           "ELF");
}

// The interpreter of a "#!" line and its one optional argument, as the
// system reads it; "sh" when the line names none.
QStringList shebang(const QByteArray& head) {
    QByteArray line = head.mid(2);
    line.truncate(line.indexOf('\n') < 0 ? line.size() : line.indexOf('\n'));
    const QString text = QString::fromLocal8Bit(line).trimmed(); // a CR of DOS line ends too
    const qsizetype blank = text.indexOf(QRegularExpression(QStringLiteral("\\s")));
    if (text.isEmpty())
        return {kShell};
    if (blank < 0)
        return {text};
    return {text.left(blank), text.mid(blank).trimmed()};
}

// An unsigned field of width bytes at offset, in the file's byte order;
// nothing when the head is too short.
std::optional<quint64> field(const QByteArray& head, qint64 offset, int width, bool bigEndian) {
    if (offset < 0 || offset + width > head.size())
        return std::nullopt;
    const auto* at = reinterpret_cast<const uchar*>(head.constData() + offset);
    switch (width) {
    case 2:
        return bigEndian ? qFromBigEndian<quint16>(at) : qFromLittleEndian<quint16>(at);
    case 4:
        return bigEndian ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
    default:
        return bigEndian ? qFromBigEndian<quint64>(at) : qFromLittleEndian<quint64>(at);
    }
}

} // namespace

QString elfLoaderOf(const QByteArray& head) {
    constexpr quint64 kInterpreterSegment = 3; // PT_INTERP
    if (!isElf(head) || head.size() < 6)
        return kUsualLoader;
    const bool wide = head.at(4) == 2; // ELFCLASS64
    const bool bigEndian = head.at(5) == 2;
    const int word = wide ? 8 : 4;
    const auto table = field(head, wide ? 32 : 28, word, bigEndian);
    const auto entrySize = field(head, wide ? 54 : 42, 2, bigEndian);
    const auto count = field(head, wide ? 56 : 44, 2, bigEndian);
    if (!table || !entrySize || !count || *table > quint64(head.size()))
        return kUsualLoader;
    for (quint64 i = 0; i < *count; ++i) {
        const qint64 entry = qint64(*table + i * *entrySize);
        const auto type = field(head, entry, 4, bigEndian);
        if (!type)
            break;
        if (*type != kInterpreterSegment)
            continue;
        const auto offset = field(head, entry + (wide ? 8 : 4), word, bigEndian);
        const auto size = field(head, entry + (wide ? 32 : 16), word, bigEndian);
        if (!offset || !size || *offset > quint64(head.size()) ||
            *size > quint64(head.size()) - *offset)
            break;
        const QByteArray name = head.mid(qsizetype(*offset), qsizetype(*size));
        const qsizetype end = name.indexOf('\0');
        const QString loader = QString::fromLocal8Bit(end < 0 ? name : name.left(end));
        return loader.startsWith(u'/') ? loader : kUsualLoader;
    }
    return kUsualLoader;
}

ProgramFile ProgramFile::inspect(const QString& path) {
    ProgramFile file;
    if (path.isEmpty())
        return file;
    const QFileInfo info(path);
    file.exists = info.exists();
    file.isFile = info.isFile();
    if (!file.isFile)
        return file;
#ifdef Q_OS_UNIX
    // access() also says no on a medium mounted without execution.
    file.executable = ::access(QFile::encodeName(path).constData(), X_OK) == 0;
#else
    file.executable = info.isExecutable();
#endif
    QFile reader(path);
    if (reader.open(QIODevice::ReadOnly))
        file.head = reader.read(kHeadSize);
    return file;
}

ProgramStart ProgramStart::decide(const ProgramCommand& command, const ProgramFile& file) {
    using Reason = DesktopFailure::Reason;
    ProgramStart start;
    start.program = command.program;
    start.arguments = command.arguments;
    start.workingFolder = command.workingFolder;
    if (command.program.isEmpty()) {
        start.refusal = Reason::NotFound;
        return start;
    }
#ifndef Q_OS_WIN
    if (isWindowsOnly(command.program))
        start.refusal = Reason::WindowsProgram;
    else if (!file.exists)
        start.refusal = Reason::NotFound;
    else if (!file.isFile)
        start.refusal = Reason::NotAProgram;
    if (start.refusal != Reason::None || file.executable)
        return start;

    // No execute bit: the program's own interpreter reads it.
    QStringList runner;
    if (file.head.startsWith("#!"))
        runner = shebang(file.head);
    else if (QFileInfo(command.program).suffix().compare(u"sh", Qt::CaseInsensitive) == 0)
        runner = {kShell};
    else if (isElf(file.head))
        runner = {elfLoaderOf(file.head)};
    if (runner.isEmpty()) {
        start.refusal = Reason::NotAProgram;
        return start;
    }
    start.program = runner.takeFirst();
    start.arguments = runner + QStringList{command.program} + command.arguments;
#else
    Q_UNUSED(file);
#endif
    return start;
}
