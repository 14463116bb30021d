#include "menulocator.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString programName() {
#ifdef Q_OS_WIN
    return u"menu.exe"_s;
#else
    return u"menu"_s;
#endif
}

bool isProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// A path as one word of a command line, whatever blanks or quotes it holds.
QString quoted(QString path) {
    return u'"' + path.replace(u"\""_s, u"\"\"\""_s) + u'"';
}

} // namespace

QStringList installedMenuCandidates(const QString& editorFolder) {
    const QDir editor(editorFolder);
    return {editor.filePath(programName()),
            QDir::cleanPath(editor.filePath(u"../menu/"_s + programName()))};
}

QString menuCommandLine(const QString& projectFolder, const QString& editorFolder) {
    const QString onDisc = QDir(projectFolder).filePath(programName());
    if (!projectFolder.isEmpty() && isProgram(onDisc))
        return quoted(QDir::toNativeSeparators(onDisc));
    for (const QString& candidate : installedMenuCandidates(editorFolder)) {
        if (isProgram(candidate))
            return quoted(QDir::toNativeSeparators(candidate)) + u' ' +
                   quoted(QDir::toNativeSeparators(QDir::cleanPath(projectFolder)));
    }
    return {};
}
