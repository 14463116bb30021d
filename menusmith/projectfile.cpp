#include "projectfile.h"

#include <codepage.h>
#include <configpath.h>
#include <configreader.h>
#include <configvalues.h>
#include <linetokenizer.h>

#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

const QByteArray layoutHeader = "============ CONFIG POSIZIONE TESTO =============";
const QByteArray newProjectStart = "Nuovo file config.ini creato il ";

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
    return decodeText(text, config.encoding);
}

OpenedProject projectFromBytes(QByteArrayView bytes) {
    OpenedProject project;
    project.config = parseConfig(bytes);
    const qsizetype withCategory = categoryLineCount(bytes);
    for (qsizetype i = withCategory; i < project.config.apps.size(); ++i)
        project.config.apps[i].category = configvalue::noCategory;
    project.layoutText = layoutTextOf(bytes, project.config);
    // An empty file, or one that New has just made, holds nothing to lose.
    ConfigToken token;
    project.looksLikeConfig =
        bytes.isEmpty() || LineTokenizer(bytes).next(token) || bytes.startsWith(newProjectStart);
    return project;
}

std::optional<OpenedProject> readProject(const QString& path, FileProblem* problem) {
    const std::optional<QByteArray> bytes = readConfigBytes(path, nullptr, problem);
    if (!bytes)
        return std::nullopt;
    return projectFromBytes(*bytes);
}

QString newProjectLine(const QDate& date) {
    return QString::fromLatin1(newProjectStart) +
           QLocale::system().toString(date, QLocale::ShortFormat);
}

FileProblem writeNewProject(const QString& path, const QDate& date) {
    // A date form with characters outside the code page falls back to ISO.
    const QString line = newProjectLine(date);
    const QByteArray bytes =
        encodeText(QString(line + u"\r\n"_s), CodePage::Windows1252)
            .value_or(newProjectStart + date.toString(Qt::ISODate).toLatin1() + "\r\n");
    return replaceFileContent(path, bytes);
}

QString existingProjectFile(const QString& path) {
    const QFileInfo info(path);
    return paths::findInFolder(info.absolutePath(), info.fileName()).value_or(path);
}
