#include "projectfile.h"

#include <codepage.h>
#include <configreader.h>
#include <configvalues.h>
#include <linetokenizer.h>

#include <QDir>
#include <QLocale>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const QByteArray layoutHeader = "============ CONFIG POSIZIONE TESTO =============";

// The number of [CATN] lines: the applications after them have no category yet.
qsizetype categoryLineCount(QByteArrayView bytes) {
    qsizetype count = 0;
    LineTokenizer lines(bytes);
    ConfigToken token;
    while (lines.next(token)) {
        if (!token.tag.isLayout && token.tag.config == ConfigTag::AppCategory)
            ++count;
    }
    return count;
}

// The lines after the layout header line, or nothing without a header line.
std::optional<QList<QByteArrayView>> linesAfterLayoutHeader(QByteArrayView bytes) {
    LineTokenizer lines(bytes);
    QByteArrayView line;
    while (lines.nextLine(line)) {
        if (line != layoutHeader)
            continue;
        QList<QByteArrayView> after;
        while (lines.nextLine(line))
            after.append(line);
        return after;
    }
    return std::nullopt;
}

} // namespace

QString layoutTextOf(QByteArrayView bytes, const ConfigFile& config) {
    const std::optional<QList<QByteArrayView>> lines = linesAfterLayoutHeader(bytes);
    if (!lines) {
        // A file written by hand without the header: keep its layout lines.
        QString text = config.layout.toText();
        if (text.isEmpty())
            return configvalue::unset;
        text.chop(2);
        return text;
    }
    if (lines->isEmpty())
        return configvalue::unset;
    // Lines as the readers split them, put back with the line end the writer
    // uses: a file whose line ends were converted is saved whole again.
    QByteArray text;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += (*lines)[i];
    }
    return cp1252::decode(text);
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
