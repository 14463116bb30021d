#include "helppage.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

// The install rules (cmake/Install.cmake) define MENUSMITH_INSTALLED_HELP_DIR:
// the documentation folder relative to the program folder, so the installed
// guide is found under any prefix.

QString helpPagePath(const QString& editorFolder) {
    const QDir editor(editorFolder);
    const QString beside = editor.filePath(u"Help/index.htm"_s);
    const QString installed = QDir::cleanPath(
        editor.filePath(QStringLiteral(MENUSMITH_INSTALLED_HELP_DIR) + u"/index.htm"_s));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return installed;
    return beside;
}
