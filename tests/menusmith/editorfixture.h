#pragma once

#include "form2.h"
#include "recordingdesktop.h"
#include "scriptedprompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A temporary disc folder, the scripted seams and a main window on them. The
// current folder is put back when the fixture goes, since the editor moves it.
struct EditorFixture {
    explicit EditorFixture(const QString& language = QStringLiteral("IT"))
        : previousFolder(QDir::currentPath()) {
        QDir(root.path()).mkpath(QStringLiteral("disc"));
        QDir(root.path()).mkpath(QStringLiteral("bin"));
        window = std::make_unique<Form2>(language, prompts, desktop, binFolder());
    }
    ~EditorFixture() {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    QString discFolder() const { return root.path() + QStringLiteral("/disc/"); }
    QString binFolder() const { return root.path() + QStringLiteral("/bin/"); }
    QString discFile(const QString& name) const { return discFolder() + name; }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    template <typename T>
    T* child(const QString& name) const {
        return window->findChild<T*>(name);
    }

    // Opens path through the Open button's dialog.
    void openThroughDialog(const QString& path) {
        prompts.expectOpenFile(path);
        window->openProject();
    }

    QString previousFolder;
    QTemporaryDir root;
    ScriptedPrompts prompts;
    RecordingDesktop desktop;
    std::unique_ptr<Form2> window;
};
