#include "configpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// Paths written on Windows must find the files of a disc copied to a
// case-sensitive file system.
class TestConfigPath : public QObject {
    Q_OBJECT

private slots:
    void init();
    void backslashesAreSeparators();
    void exactPathWins();
    void letterCaseIgnoredAtEveryLevel();
    void trailingBackslashOnFolder();
    void missingComponentGivesPathAsWritten();
    void dotDotGoesUp();
    void dotDotBeforeWrongCase();
    void absolutePathKept();
    void absolutePathWithWrongCase();
    void driveLetterUnchanged();
    void emptyPathIsTheFolder();
    void sameNameInTwoCasesPicksExact();
    void findInFolderExactAndOtherCase();
    void findInFolderMissing();

private:
    QString make(const QString& relative);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
};

void TestConfigPath::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_root = QDir(m_dir->path()).canonicalPath();
}

QString TestConfigPath::make(const QString& relative) {
    const QString path = m_root + u'/' + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot create test file");
    return path;
}

void TestConfigPath::backslashesAreSeparators() {
    const QString file = make(u"apps/demo/readme.txt"_s);
    QCOMPARE(paths::resolve(u"apps\\demo\\readme.txt"_s, m_root), file);
}

void TestConfigPath::exactPathWins() {
    const QString file = make(u"Apps/Setup.exe"_s);
    QCOMPARE(paths::resolve(u"Apps/Setup.exe"_s, m_root), file);
}

void TestConfigPath::letterCaseIgnoredAtEveryLevel() {
    const QString file = make(u"setup/tools/a.exe"_s);
    QCOMPARE(paths::resolve(u"SETUP\\Tools\\A.EXE"_s, m_root), file);
    QCOMPARE(paths::resolve(u"setup\\TOOLS\\a.exe"_s, m_root), file);
    QCOMPARE(paths::resolve(u"setup\\tools\\A.exe"_s, m_root), file);
}

void TestConfigPath::trailingBackslashOnFolder() {
    make(u"apps/demo/x.txt"_s);
    QCOMPARE(paths::resolve(u"APPS\\Demo\\"_s, m_root), m_root + u"/apps/demo");
}

void TestConfigPath::missingComponentGivesPathAsWritten() {
    make(u"apps/demo/x.txt"_s);
    QCOMPARE(paths::resolve(u"APPS\\nothere\\X.TXT"_s, m_root), m_root + u"/APPS/nothere/X.TXT");
    QCOMPARE(paths::resolve(u"apps\\demo\\y.txt"_s, m_root), m_root + u"/apps/demo/y.txt");
}

void TestConfigPath::dotDotGoesUp() {
    const QString file = make(u"pictures/logo.bmp"_s);
    make(u"menu/config.ini"_s);
    QCOMPARE(paths::resolve(u"..\\pictures\\logo.bmp"_s, m_root + u"/menu"), file);
    QCOMPARE(paths::resolve(u"x\\..\\pictures\\logo.bmp"_s, m_root), file);
}

void TestConfigPath::dotDotBeforeWrongCase() {
    const QString file = make(u"pictures/logo.bmp"_s);
    make(u"menu/config.ini"_s);
    QCOMPARE(paths::resolve(u"..\\PICTURES\\Logo.BMP"_s, m_root + u"/menu"), file);
}

void TestConfigPath::absolutePathKept() {
    const QString file = make(u"a/b.txt"_s);
    QCOMPARE(paths::resolve(file, u"/somewhere/else"_s), file);
}

void TestConfigPath::absolutePathWithWrongCase() {
    const QString file = make(u"disc/readme.txt"_s);
    QCOMPARE(paths::resolve(m_root + u"/DISC/README.TXT", u"/somewhere/else"_s), file);
}

void TestConfigPath::driveLetterUnchanged() {
#ifdef Q_OS_WIN
    QSKIP("drive letters are real paths here");
#endif
    QCOMPARE(paths::resolve(u"C:\\Program Files\\x.exe"_s, m_root), u"C:\\Program Files\\x.exe"_s);
    QVERIFY(paths::hasDriveLetter(u"d:"_s));
    QVERIFY(!paths::hasDriveLetter(u"ab:c"_s));
}

void TestConfigPath::emptyPathIsTheFolder() {
    QCOMPARE(paths::resolve(QString(), m_root), m_root);
}

void TestConfigPath::sameNameInTwoCasesPicksExact() {
    make(u"Readme.txt"_s);
    const QString exact = make(u"readme.txt"_s);
    if (!QFileInfo::exists(m_root + u"/Readme.txt") || !QFileInfo::exists(exact))
        QSKIP("file system ignores letter case");
    QCOMPARE(paths::resolve(u"readme.txt"_s, m_root), exact);
    // Neither spelling matches: the first in name order, every time.
    QCOMPARE(paths::resolve(u"README.TXT"_s, m_root), m_root + u"/Readme.txt");
}

void TestConfigPath::findInFolderExactAndOtherCase() {
    const QString splash = make(u"SPLASH.BMP"_s);
    const QString sound = make(u"sound.wav"_s);
    QCOMPARE(paths::findInFolder(m_root, u"splash.bmp"_s), std::optional<QString>(splash));
    QCOMPARE(paths::findInFolder(m_root, u"sound.wav"_s), std::optional<QString>(sound));
}

void TestConfigPath::findInFolderMissing() {
    make(u"sound.wav.bak"_s);
    QCOMPARE(paths::findInFolder(m_root, u"sound.wav"_s), std::nullopt);
    QCOMPARE(paths::findInFolder(m_root + u"/nothere", u"sound.wav"_s), std::nullopt);
}

QTEST_GUILESS_MAIN(TestConfigPath)
#include "test_configpath.moc"
