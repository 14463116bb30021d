#include "programcommand.h"
#include "qtdesktop.h"
#include "recordingdesktop.h"
#include "shellopen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// What the shell is asked to open, and how command lines become programs.
class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void schemes();
    void addressesPassUnchanged();
    void bareHostsBecomeAddresses();
    void documentsResolveInTheCurrentFolder();
    void unknownTargetPassesAsWritten();
    void openWithShellGoesToTheDesktop();
    void recordingDesktopNotesCurrentFolder();

    void commandLineSplitLikeAShell();
    void programFoundInWorkingFolderInAnyCase();
    void bareProgramNameLeftForTheSearch();
    void missingWorkingFolderMeansCurrentFolder();
    void emptyCommandLine();
    void refusalsNameTheFile();

private:
    QString make(const QString& relative);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
    QString m_previousFolder;
};

void TestDesktop::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_root = QDir(m_dir->path()).canonicalPath();
    m_previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_root));
}

void TestDesktop::cleanup() {
    QDir::setCurrent(m_previousFolder);
    m_dir.reset();
}

QString TestDesktop::make(const QString& relative) {
    const QString path = m_root + u'/' + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot create test file");
    return path;
}

void TestDesktop::schemes() {
    QVERIFY(hasUrlScheme(u"http://example.com"_s));
    QVERIFY(hasUrlScheme(u"mailto:someone@example.com"_s));
    QVERIFY(hasUrlScheme(u"ftp://ftp.example.com/pub"_s));
    QVERIFY(!hasUrlScheme(u"C:\\setup\\readme.txt"_s));
    QVERIFY(!hasUrlScheme(u"readme.txt"_s));
    QVERIFY(!hasUrlScheme(u"www.example.com"_s));
}

void TestDesktop::addressesPassUnchanged() {
    QCOMPARE(shellTarget(u"http://example.com/a b"_s, m_root), u"http://example.com/a b"_s);
    QCOMPARE(shellTarget(u" mailto:someone@example.com "_s, m_root),
             u"mailto:someone@example.com"_s);
}

void TestDesktop::bareHostsBecomeAddresses() {
    QCOMPARE(shellTarget(u"www.example.com"_s, m_root), u"http://www.example.com"_s);
    QCOMPARE(shellTarget(u"ftp.example.com"_s, m_root), u"ftp://ftp.example.com"_s);
    // Unless a document of that name is there.
    const QString file = make(u"www.readme.txt"_s);
    QCOMPARE(shellTarget(u"www.readme.txt"_s, m_root), file);
}

void TestDesktop::documentsResolveInTheCurrentFolder() {
    const QString file = make(u"docs/readme.txt"_s);
    QCOMPARE(shellTarget(u"DOCS\\ReadMe.txt"_s, m_root), file);
}

void TestDesktop::unknownTargetPassesAsWritten() {
    QCOMPARE(shellTarget(u"nothere.txt"_s, m_root), u"nothere.txt"_s);
}

void TestDesktop::openWithShellGoesToTheDesktop() {
    const QString file = make(u"Help/index.htm"_s);
    RecordingDesktop desktop;
    openWithShell(desktop, u"http://example.com"_s);
    openWithShell(desktop, u"help\\INDEX.HTM"_s);
    openWithShell(desktop, u"www.example.com"_s);
    QCOMPARE(desktop.log(), (QStringList{u"open http://example.com"_s, u"open "_s + file,
                                         u"open http://www.example.com"_s}));
}

void TestDesktop::recordingDesktopNotesCurrentFolder() {
    RecordingDesktop desktop;
    desktop.setResult(RecordingDesktop::Action::StartProgram, false);
    QDir().mkdir(u"apps"_s);
    QVERIFY(!desktop.startProgram(u"setup.exe /s"_s, u"apps"_s));
    QVERIFY(QDir::setCurrent(m_root + u"/apps"));
    QVERIFY(desktop.openFolder(u"demo\\"_s));
    QCOMPARE(desktop.calls().size(), 2);
    QCOMPARE(desktop.calls().at(0).currentFolder, m_root);
    QCOMPARE(desktop.calls().at(1).currentFolder, m_root + u"/apps");
    QCOMPARE(desktop.log(), (QStringList{u"start setup.exe /s in apps"_s, u"folder demo\\"_s}));
}

void TestDesktop::commandLineSplitLikeAShell() {
    const ProgramCommand command = ProgramCommand::fromCommandLine(
        u"\"my tools\\run me.sh\" /quiet \"C:\\Program Files\\x\" -a"_s, m_root);
    QCOMPARE(command.program, m_root + u"/my tools/run me.sh");
    QCOMPARE(command.arguments, (QStringList{u"/quiet"_s, u"C:\\Program Files\\x"_s, u"-a"_s}));
}

void TestDesktop::programFoundInWorkingFolderInAnyCase() {
    const QString program = make(u"apps/demo/Setup.EXE"_s);
    const ProgramCommand command =
        ProgramCommand::fromCommandLine(u"setup.exe /s"_s, m_root + u"/APPS/demo"_s);
    // The folder itself must exist as written to be made current.
    QCOMPARE(command.workingFolder, m_root);
    const ProgramCommand inFolder =
        ProgramCommand::fromCommandLine(u"SETUP.exe /s"_s, m_root + u"/apps/demo"_s);
    QCOMPARE(inFolder.program, program);
    QCOMPARE(inFolder.workingFolder, m_root + u"/apps/demo");
    QCOMPARE(inFolder.arguments, QStringList{u"/s"_s});
}

void TestDesktop::bareProgramNameLeftForTheSearch() {
    const ProgramCommand command = ProgramCommand::fromCommandLine(u"notepad readme.txt"_s, m_root);
    QCOMPARE(command.program, u"notepad"_s);
    QCOMPARE(command.arguments, QStringList{u"readme.txt"_s});
}

void TestDesktop::missingWorkingFolderMeansCurrentFolder() {
    QCOMPARE(ProgramCommand::fromCommandLine(u"a.exe"_s, u"NO"_s).workingFolder, m_root);
    QCOMPARE(ProgramCommand::fromCommandLine(u"a.exe"_s, QString()).workingFolder, m_root);
}

void TestDesktop::emptyCommandLine() {
    QVERIFY(ProgramCommand::fromCommandLine(QString(), m_root).program.isEmpty());
    QVERIFY(ProgramCommand::fromCommandLine(u"   "_s, m_root).program.isEmpty());
}

void TestDesktop::refusalsNameTheFile() {
    // Each is refused before anything would be started or opened.
    using Reason = DesktopFailure::Reason;
    make(u"readme.txt"_s);
    QtDesktop desktop;
    const auto refused = [&](bool result, Reason reason, const QString& file) {
        return !result && desktop.lastFailure() == DesktopFailure{reason, file};
    };
    QVERIFY(refused(desktop.startProgram(u"SETUP.EXE /s"_s, m_root), Reason::WindowsProgram,
                    u"SETUP.EXE"_s));
    QVERIFY(refused(desktop.startProgram(u"tools/gone -x"_s, m_root), Reason::NotFound,
                    m_root + u"/tools/gone"));
    QVERIFY(refused(desktop.startProgram(u"readme.txt"_s, m_root), Reason::NotAProgram,
                    m_root + u"/readme.txt"));
    QVERIFY(refused(desktop.openDocumentOrAddress(u"gone.pdf"_s), Reason::NotFound,
                    m_root + u"/gone.pdf"));
    QVERIFY(refused(desktop.openFolder(u"nowhere"_s), Reason::NotFound, m_root + u"/nowhere"));
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
