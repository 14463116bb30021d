#include "runtimelocation.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

#ifndef MENUSMITH_INSTALLED_RUNTIME_DIR
#define MENUSMITH_INSTALLED_RUNTIME_DIR "../lib/discmenu/runtime"
#endif

QStringList runtimeCandidates(const QString& editorFolder) {
    const QDir editor(editorFolder);
    QStringList candidates;
    for (const QString& relative : {u"" MENUSMITH_INSTALLED_RUNTIME_DIR ""_s,
                                    u"../lib/discmenu/runtime"_s, u"../runtime"_s}) {
        const QString folder = QDir::cleanPath(editor.absoluteFilePath(relative));
        if (!candidates.contains(folder))
            candidates.append(folder);
    }
    return candidates;
}

bool isRuntime(const QString& folder) {
    const QDir runtime(folder);
    return QFileInfo(runtime.filePath(u"menu"_s)).isFile() &&
           QFileInfo(runtime.filePath(u"qt.conf"_s)).isFile() &&
           QFileInfo(runtime.filePath(u"lib"_s)).isDir();
}

std::optional<QString> findRuntime(const QString& editorFolder) {
    for (const QString& candidate : runtimeCandidates(editorFolder)) {
        if (isRuntime(candidate))
            return candidate;
    }
    return std::nullopt;
}
