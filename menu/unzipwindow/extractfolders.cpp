#include "extractfolders.h"

#include <QDir>

QStringList extractionFolderPrefixes(const QString& extractRoot) {
    QStringList folders;
    QString prefix;
    int separators = 0;
    for (const QChar c : extractRoot) {
        prefix += c;
        if (c == QLatin1Char('\\') || c == QLatin1Char('/')) {
            if (++separators >= 2) {
                folders << prefix;
            }
        }
    }
    return folders;
}

void createExtractionFolders(const QString& extractRoot) {
    for (QString folder : extractionFolderPrefixes(extractRoot)) {
        // "\" is the separator the disc's paths were written with.
        folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
        QDir().mkdir(folder);
    }
}
