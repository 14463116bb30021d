#include "disckit.h"

#include "codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

DiscKit::DiscKit()
    : m_dir(std::make_unique<QTemporaryDir>())
    , m_folder(QDir::cleanPath(m_dir->path())) {}

QString DiscKit::path(const QString& relative) const {
    return QDir(m_folder).filePath(relative);
}

void DiscKit::writeConfig(const QStringList& lines) const {
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    writeConfigBytes(encodeText(text, CodePage::Windows1252).value());
}

void DiscKit::writeConfigBytes(const QByteArray& bytes) const {
    writeFile(QStringLiteral("config.ini"), bytes);
}

void DiscKit::writePicture(const QString& relative, QSize size, QColor colour) const {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    makeFolder(QFileInfo(relative).path());
    QVERIFY(image.save(path(relative), "BMP"));
}

void DiscKit::writeFile(const QString& relative, const QByteArray& content) const {
    makeFolder(QFileInfo(relative).path());
    QFile file(path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void DiscKit::makeFolder(const QString& relative) const {
    QDir(m_folder).mkpath(relative);
}

QStringList DiscKit::appLines(const App& app) {
    return {QStringLiteral("[NOME]") + app.name,
            QStringLiteral("[DESC]") + app.description,
            QStringLiteral("[IMGN]") + app.picture,
            QStringLiteral("[INSC]") + app.installCaption,
            QStringLiteral("[COMM]") + app.installCommand,
            QStringLiteral("[ESAM]") + app.folder,
            QStringLiteral("[EXTN]") + app.extraCaption,
            QStringLiteral("[EXTR]") + app.extraCommand,
            QStringLiteral("[CATN]") + app.category};
}
