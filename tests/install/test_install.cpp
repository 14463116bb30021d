#include "form2.h"
#include "helppage.h"
#include "recordingdesktop.h"
#include "scriptedprompts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QString output; // stdout and stderr together
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, program + u" did not finish: "_s + process.errorString()};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

} // namespace

// `cmake --install` of this build into a temporary DESTDIR, as a package build
// does it: every file lands below the prefix, the desktop files pass the
// desktop's validators and the installed programs run from there.
class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir m_destDir;
    QString m_prefix;

    QStringList installed(const QString& pattern) const {
        QStringList files;
        QDirIterator it(m_destDir.path(), {pattern}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        return files;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_destDir.isValid());
        m_prefix = m_destDir.path() + u"/usr"_s;
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DESTDIR"_s, m_destDir.path());
        const Run install =
            run(u"" CMAKE_COMMAND ""_s,
                {u"--install"_s, u"" BUILD_DIR ""_s, u"--prefix"_s, u"/usr"_s}, environment);
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    }

    void everyFileLiesBelowThePrefix() {
        const QStringList files = installed(u"*"_s);
        for (const QString& file : files)
            QVERIFY2(file.startsWith(m_prefix + u'/'), qPrintable(file));
        for (const auto part :
             {u"/bin/menu", u"/bin/menusmith", u"/share/applications/", u"/share/metainfo/",
              u"/share/icons/hicolor/scalable/apps/", u"/share/icons/hicolor/48x48/apps/",
              u"/share/man/man1/menu.1.gz", u"/share/man/man1/menusmith.1.gz",
              u"/share/doc/discmenu/index.htm"}) {
            const QString wanted = m_prefix + QString::fromUtf16(part);
            QVERIFY2(std::any_of(files.cbegin(), files.cend(),
                                 [&](const QString& file) { return file.startsWith(wanted); }),
                     qPrintable(wanted));
        }
    }

    // Each validator must pass its file without a word of complaint.
    void validatorsAcceptTheDesktopFiles_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        for (const QString& file : installed(u"*.desktop"_s))
            QTest::newRow(qPrintable(file.section(u'/', -1)))
                << u"desktop-file-validate"_s << QStringList{file};
        for (const QString& file : installed(u"*.metainfo.xml"_s))
            QTest::newRow(qPrintable(file.section(u'/', -1)))
                << u"appstreamcli"_s << QStringList{u"validate"_s, u"--no-net"_s, file};
        for (const QString& file : installed(u"*.1.gz"_s))
            QTest::newRow(qPrintable(file.section(u'/', -1)))
                << u"man"_s << QStringList{u"--warnings"_s, u"-E"_s, u"UTF-8"_s, u"-l"_s, file};
    }
    void validatorsAcceptTheDesktopFiles() {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QSKIP(qPrintable(tool + u" is not installed (scripts/install-deps installs it)"_s));
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
        environment.insert(u"MANWIDTH"_s, u"80"_s);
        environment.insert(u"MAN_KEEP_STDERR"_s, u"1"_s);
        // man writes the page itself on stdout: only its warnings go to stderr.
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setStandardOutputFile(tool == u"man" ? QProcess::nullDevice() : QString());
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(120000));
        const QString said = QString::fromLocal8Bit(process.readAllStandardError() +
                                                    process.readAllStandardOutput());
        QVERIFY2(process.exitCode() == 0, qPrintable(said));
        const bool quiet =
            tool == u"appstreamcli"
                ? said.contains(u"Validation was successful"_s) && !said.contains(u"W:"_s)
                : said.trimmed().isEmpty();
        QVERIFY2(quiet, qPrintable(said));
    }

    void installedProgramsRun_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("menu") << u"menu"_s;
        QTest::newRow("menusmith") << u"menusmith"_s;
    }
    void installedProgramsRun() {
        QFETCH(QString, program);
        const Run version = run(m_prefix + u"/bin/"_s + program, {u"--version"_s});
        QCOMPARE(version.exitCode, 0);
        QVERIFY2(version.output.contains(u"" PROJECT_VERSION ""_s), qPrintable(version.output));
    }

    void installedProgramsCarryNoRelativeSearchPath() {
        const QString readelf = QStandardPaths::findExecutable(u"readelf"_s);
        if (readelf.isEmpty())
            QSKIP("readelf (binutils) is not installed");
        const Run check =
            run(u"" CMAKE_COMMAND ""_s,
                {u"-DREADELF="_s + readelf,
                 u"-DPROGRAMS="_s + m_prefix + u"/bin/menu;"_s + m_prefix + u"/bin/menusmith"_s,
                 u"-P"_s, u"" SOURCE_DIR "/cmake/CheckRunpath.cmake"_s});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
    }

    void installedEditorFindsItsGuide() {
        ScriptedPrompts prompts;
        RecordingDesktop desktop;
        Form2 editor(u"EN"_s, prompts, desktop, m_prefix + u"/bin"_s);
        editor.findChild<QPushButton*>(u"Command25"_s)->click();
        const QString guide = m_prefix + u"/share/doc/discmenu/index.htm"_s;
        QVERIFY(QFileInfo::exists(guide));
        QCOMPARE(desktop.log(), QStringList{u"open "_s + guide});
    }

    // A portable copy carries its guide beside it, even below a prefix that
    // holds an installed one.
    void aGuideBesideTheEditorComesFirst() {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(u"bin/Help"_s));
        QVERIFY(QDir(root.path()).mkpath(u"share/doc/discmenu"_s));
        for (const auto page : {u"/bin/Help/index.htm", u"/share/doc/discmenu/index.htm"}) {
            QFile file(root.path() + QString::fromUtf16(page));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(helpPagePath(root.path() + u"/bin"_s), root.path() + u"/bin/Help/index.htm"_s);
    }
};

QTEST_MAIN(TestInstall)
#include "test_install.moc"
