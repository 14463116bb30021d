#pragma once

#include <QSortFilterProxyModel>
#include <QStringList>

// Chooses the files that a file dialog lists, in place of Qt's own name
// filtering, which a Windows author would find wrong in two ways:
// - "*.*" matches every file, names without a dot included (Qt's hides them);
// - elsewhere than on Windows the "*.exe" entry also lists the programs of
//   this system: files with the execute bit, scripts starting with "#!" and
//   ".sh" files, whatever their name.
// Installed with QFileDialog::setProxyModel; the dialog's own model then only
// marks the names its filter would hide, and this model hides them.
class FileDialogFilter : public QSortFilterProxyModel {
public:
    explicit FileDialogFilter(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* model) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Whether a file passes the dialog's current patterns, as described above.
    static bool matches(const QString& filePath, const QStringList& patterns);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
};
