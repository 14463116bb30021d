#include "filedialogs.h"

#include <QDir>

#include <algorithm>
#include <optional>

namespace {

bool takeAnswer(DialogResults& results, const std::optional<QString>& answer) {
    results = DialogResults{};
    if (answer && !answer->trimmed().isEmpty())
        setDialogResults(results, *answer);
    return results.dialogResult;
}

QString withFinalSlash(QString folder) {
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// The part of path below folder, or nothing when path does not lie in it.
std::optional<QString> below(const QString& folder, const QString& path) {
    if (folder.isEmpty() || QDir::isRelativePath(path))
        return std::nullopt;
    const QString base = withFinalSlash(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (withFinalSlash(clean) == base)
        return QString();
    if (!clean.startsWith(base))
        return std::nullopt;
    return clean.mid(base.size());
}

QString backslashed(QString path) {
    return path.replace(u'/', u'\\');
}

} // namespace

void setDialogResults(DialogResults& results, const QString& chosenPath) {
    results.dialogPath = chosenPath.trimmed();
    const qsizetype cut =
        std::max(results.dialogPath.lastIndexOf(u'/'), results.dialogPath.lastIndexOf(u'\\')) + 1;
    results.dialogFolder = results.dialogPath.left(cut);
    results.dialogFileName = results.dialogPath.mid(cut);
    results.dialogResult = true;
}

bool showOpenDialog(Prompts& prompts, DialogResults& results, const QString& title,
                    const QList<Prompts::FileFilter>& filters, const QString& initialFolder,
                    const QString& defaultExtension) {
    Prompts::FileDialogRequest request;
    request.title = title;
    request.filters = filters;
    request.defaultExtension = defaultExtension;
    request.initialFolder = initialFolder;
    return takeAnswer(results, prompts.openFileDialog(request));
}

bool showSaveDialog(Prompts& prompts, DialogResults& results, const QString& title,
                    const QList<Prompts::FileFilter>& filters, const QString& initialFolder,
                    const QString& suggestedName, const QString& defaultExtension) {
    Prompts::FileDialogRequest request;
    request.title = title;
    request.filters = filters;
    request.defaultExtension = defaultExtension;
    request.initialFolder = initialFolder;
    request.suggestedName = suggestedName;
    return takeAnswer(results, prompts.saveFileDialog(request));
}

QString storedPath(const QString& projectFolder, const QString& absolutePath) {
    if (QDir::isRelativePath(absolutePath))
        return backslashed(absolutePath);
    if (const auto relative = below(projectFolder, absolutePath))
        return backslashed(*relative);
    return QDir::toNativeSeparators(absolutePath);
}

QString storedFolder(const QString& projectFolder, const QString& absoluteFolder) {
    if (absoluteFolder.isEmpty())
        return {};
    if (QDir::isRelativePath(absoluteFolder)) {
        QString folder = backslashed(absoluteFolder);
        if (!folder.endsWith(u'\\'))
            folder += u'\\';
        return folder;
    }
    if (const auto relative = below(projectFolder, absoluteFolder))
        return relative->isEmpty() ? QString() : backslashed(withFinalSlash(*relative));
    return QDir::toNativeSeparators(withFinalSlash(QDir::cleanPath(absoluteFolder)));
}
