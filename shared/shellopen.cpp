#include "shellopen.h"

#include "configpath.h"
#include "desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

bool hasUrlScheme(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(text).hasMatch();
}

QString shellTarget(const QString& target, const QString& currentFolder) {
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty() || hasUrlScheme(trimmed))
        return trimmed;
    const QString local = paths::resolve(trimmed, currentFolder);
    if (QFileInfo::exists(local))
        return local;
    if (trimmed.startsWith(u"www.", Qt::CaseInsensitive))
        return QStringLiteral("http://") + trimmed;
    if (trimmed.startsWith(u"ftp.", Qt::CaseInsensitive))
        return QStringLiteral("ftp://") + trimmed;
    return trimmed;
}

bool openWithShell(Desktop& desktop, const QString& target) {
    return desktop.openDocumentOrAddress(shellTarget(target, QDir::currentPath()));
}
