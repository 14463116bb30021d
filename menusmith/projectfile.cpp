#include "projectfile.h"

#include <codepage.h>
#include <configreader.h>
#include <configvalues.h>

#include <QDir>
#include <QLocale>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const QByteArray layoutHeader = "============ CONFIG POSIZIONE TESTO =============";

// The number of [CATN] lines: the applications after them have no category yet.
qsizetype categoryLineCount(QByteArrayView bytes) {
    qsizetype count = 0;
    qsizetype lineStart = 0;
    while (lineStart < bytes.size()) {
        if (bytes.sliced(lineStart).startsWith("[CATN]"))
            ++count;
        const qsizetype end = bytes.indexOf('\r', lineStart);
        if (end < 0)
            break;
        lineStart = end + 1;
        if (lineStart < bytes.size() && bytes[lineStart] == '\n')
            ++lineStart;
    }
    return count;
}

// Where the line after the layout header starts, or -1 without a header line.
qsizetype afterLayoutHeader(QByteArrayView bytes) {
    qsizetype from = 0;
    while (true) {
        const qsizetype at = bytes.indexOf(layoutHeader, from);
        if (at < 0)
            return -1;
        const bool lineStart = at == 0 || bytes[at - 1] == '\r' || bytes[at - 1] == '\n';
        qsizetype end = at + layoutHeader.size();
        if (lineStart && (end == bytes.size() || bytes[end] == '\r')) {
            if (end < bytes.size())
                ++end;
            if (end < bytes.size() && bytes[end] == '\n')
                ++end;
            return end;
        }
        from = at + 1;
    }
}

} // namespace

QString layoutTextOf(QByteArrayView bytes, const ConfigFile& config) {
    const qsizetype start = afterLayoutHeader(bytes);
    if (start < 0) {
        // A file written by hand without the header: keep its layout lines.
        QString lines = config.layout.toText();
        if (lines.isEmpty())
            return configvalue::unset;
        lines.chop(2);
        return lines;
    }
    QByteArrayView tail = bytes.sliced(start);
    if (tail.isEmpty())
        return configvalue::unset;
    if (tail.endsWith("\r\n"))
        tail.chop(2);
    else if (tail.endsWith('\r'))
        tail.chop(1);
    return cp1252::decode(tail);
}

OpenedProject projectFromBytes(QByteArrayView bytes) {
    OpenedProject project;
    project.config = parseConfig(bytes);
    const qsizetype withCategory = categoryLineCount(bytes);
    for (qsizetype i = withCategory; i < project.config.apps.size(); ++i)
        project.config.apps[i].category = configvalue::noCategory;
    project.layoutText = layoutTextOf(bytes, project.config);
    return project;
}

std::optional<OpenedProject> readProject(const QString& path, QString* errorMessage) {
    const std::optional<QByteArray> bytes = readConfigBytes(path, errorMessage);
    if (!bytes)
        return std::nullopt;
    return projectFromBytes(*bytes);
}

QString newProjectLine(const QDate& date) {
    return u"Nuovo file config.ini creato il "_s +
           QLocale::system().toString(date, QLocale::ShortFormat);
}

bool writeNewProject(const QString& path, const QDate& date, QString* errorMessage) {
    // A date form with characters outside the code page falls back to ISO.
    const QString line = newProjectLine(date);
    const QByteArray bytes = cp1252::encode(QString(line + u"\r\n"_s))
                                 .value_or(QByteArray("Nuovo file config.ini creato il ") +
                                           date.toString(Qt::ISODate).toLatin1() + "\r\n");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (errorMessage)
            *errorMessage = u"%1: %2"_s.arg(QDir::toNativeSeparators(path), file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool fileExistsIgnoringCase(const QString& folder, const QString& fileName) {
    if (fileName.isEmpty())
        return false;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
