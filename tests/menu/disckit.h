#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A disc folder in a temporary directory: config.ini written from lines
// (joined with CR LF, Windows-1252), pictures of a given size and plain files.
class DiscKit {
public:
    DiscKit();

    const QString& folder() const { return m_folder; }
    QString path(const QString& relative) const;

    void writeConfig(const QStringList& lines) const;
    void writeConfigBytes(const QByteArray& bytes) const;
    void writePicture(const QString& relative, QSize size, QColor colour = Qt::red) const;
    void writeFile(const QString& relative, const QByteArray& content = "x") const;
    void makeFolder(const QString& relative) const;

    // The nine lines of one application record, fields left "NO" unless given.
    struct App {
        QString name;
        QString description = QStringLiteral("NO");
        QString picture = QStringLiteral("NO");
        QString installCaption = QStringLiteral("NO");
        QString installCommand = QStringLiteral("NO");
        QString folder = QStringLiteral("NO");
        QString extraCaption = QStringLiteral("NO");
        QString extraCommand = QStringLiteral("NO");
        QString category = QStringLiteral("n/a");
    };
    static QStringList appLines(const App& app);

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};
