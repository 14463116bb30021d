#include "filedialogfilter.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QRegularExpression>

namespace {

bool isProgram(const QFileInfo& info) {
    if (info.isExecutable() || info.suffix().compare(u"sh", Qt::CaseInsensitive) == 0)
        return true;
    QFile file(info.filePath());
    return file.open(QIODevice::ReadOnly) && file.read(2) == "#!";
}

bool matchesPattern(const QString& name, const QString& pattern) {
    return QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive).match(name).hasMatch();
}

} // namespace

FileDialogFilter::FileDialogFilter(QObject* parent)
    : QSortFilterProxyModel(parent) {}

void FileDialogFilter::setSourceModel(QAbstractItemModel* model) {
    QSortFilterProxyModel::setSourceModel(model);
    // Every file stays in the dialog's model; filterAcceptsRow decides.
    if (auto* files = qobject_cast<QFileSystemModel*>(model))
        files->setNameFilterDisables(true);
}

Qt::ItemFlags FileDialogFilter::flags(const QModelIndex& index) const {
    // The dialog's model disables the names its own filter rejects; every row
    // shown here has been accepted.
    Qt::ItemFlags result = QSortFilterProxyModel::flags(index);
    if (index.isValid())
        result |= Qt::ItemIsEnabled;
    return result;
}

bool FileDialogFilter::matches(const QString& filePath, const QStringList& patterns) {
    const QFileInfo info(filePath);
    if (patterns.isEmpty() || info.isDir())
        return true;
    const QString name = info.fileName();
    for (const QString& pattern : patterns) {
        if (pattern == u"*.*" || matchesPattern(name, pattern))
            return true;
    }
#ifndef Q_OS_WIN
    if (patterns.size() == 1 && patterns.first().compare(u"*.exe", Qt::CaseInsensitive) == 0)
        return isProgram(info);
#endif
    return false;
}

bool FileDialogFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files)
        return true;
    const QModelIndex index = files->index(sourceRow, 0, sourceParent);
    if (files->isDir(index))
        return true;
    return matches(files->filePath(index), files->nameFilters());
}
