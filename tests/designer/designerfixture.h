#pragma once

// Helpers shared by the designer's tests: a project folder with its
// config.ini and pictures, and the editor's frame measure.

#include "configfile.h"
#include "configreader.h"
#include "configwriter.h"
#include "framemeasure.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace designertest {

inline QString writePicture(const QString& path, QSize size, QColor colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path, "BMP"))
        qFatal("cannot write test picture %s", qPrintable(path));
    return path;
}

inline void writeText(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The folder as EditorState keeps it: with a final "/".
inline QString projectFolderOf(const QTemporaryDir& dir) {
    return dir.path() + QLatin1Char('/');
}

// A small project: three applications, texts, and the layout lines given.
inline ConfigFile sampleConfig() {
    ConfigFile config;
    config.title = QStringLiteral("Sample disc");
    config.windowIcon = QStringLiteral("NO");
    config.installButtonPicture = QStringLiteral("NO");
    config.installButtonPressedPicture = QStringLiteral("NO");
    config.extraButtonPicture = QStringLiteral("NO");
    config.extraButtonPressedPicture = QStringLiteral("NO");
    config.introText = QStringLiteral("Welcome");
    config.aboutText = QStringLiteral("About the sample");
    for (const char* name : {"First", "Second", "Third"}) {
        AppEntry app;
        app.name = QString::fromLatin1(name);
        for (QString* field :
             {&app.description, &app.picture, &app.installCaption, &app.installCommand, &app.folder,
              &app.extraCaption, &app.extraCommand})
            *field = QStringLiteral("NO");
        config.apps << app;
    }
    return config;
}

inline void writeProject(const QTemporaryDir& dir, const ConfigFile& config,
                         const QString& layoutText = QStringLiteral("NO")) {
    const ConfigWriteResult written =
        writeConfig(config, layoutText, dir.filePath(QStringLiteral("config.ini")));
    if (!written.ok)
        qFatal("cannot write config.ini: %s", qPrintable(written.errorMessage));
}

// The editor measures its frame once at start-up; so do the tests.
inline int editorFrameHeight() {
    static const int measured = measureFrameHeight(QStringLiteral("Form5"));
    return measured;
}

// The value of one tag in a layout block; nothing when the tag is missing.
inline std::optional<QString> layoutValue(const QString& block, const QString& tag) {
    for (const QString& line : block.split(QStringLiteral("\r\n"))) {
        if (line.startsWith(tag))
            return line.mid(tag.size());
    }
    return std::nullopt;
}

inline int layoutLineCount(const QString& block) {
    return int(block.count(QStringLiteral("\r\n")));
}

} // namespace designertest
