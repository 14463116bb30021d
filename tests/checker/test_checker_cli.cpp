// The built programs answer --help, --version and --check on the terminal,
// with no display: no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString& program, const QStringList& arguments,
        QProcessEnvironment environment = {}) {
    const QProcessEnvironment inherited = QProcessEnvironment::systemEnvironment();
    // Only what a bare terminal has, and the sanitizers' settings of the test.
    for (const QString& name :
         {u"PATH"_s, u"HOME"_s, u"ASAN_OPTIONS"_s, u"LSAN_OPTIONS"_s, u"UBSAN_OPTIONS"_s}) {
        if (inherited.contains(name))
            environment.insert(name, inherited.value(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QSet<QString> codesOf(const QByteArray& json) {
    QSet<QString> codes;
    for (const QJsonValue& finding : QJsonDocument::fromJson(json).array())
        codes.insert(finding.toObject().value(u"code").toString());
    return codes;
}

} // namespace

class TestCheckerCli : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
    void demoDiscHasOnlyItsWarnings_data();
    void demoDiscHasOnlyItsWarnings();
    void errorsAndMistakes();
    void windowSystemOptionsStillWork();
};

void TestCheckerCli::answersWithoutDisplay_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("says");
    QTest::newRow("menu --help") << u"" MENU_PROGRAM ""_s << u"--help"_s << u"--check"_s;
    QTest::newRow("menu --version") << u"" MENU_PROGRAM ""_s << u"--version"_s << u"menu "_s;
    QTest::newRow("menusmith --help") << u"" MENUSMITH_PROGRAM ""_s << u"--help"_s << u"--check"_s;
    QTest::newRow("menusmith --version")
        << u"" MENUSMITH_PROGRAM ""_s << u"--version"_s << u"menusmith "_s;
}

void TestCheckerCli::answersWithoutDisplay() {
    QFETCH(QString, program);
    QFETCH(QString, option);
    QFETCH(QString, says);
    const Run result = run(program, {option});
    QVERIFY2(result.status == 0, result.err.constData());
    QVERIFY2(QString::fromLocal8Bit(result.out).contains(says), result.out.constData());
}

void TestCheckerCli::demoDiscHasOnlyItsWarnings_data() {
    QTest::addColumn<QString>("program");
    QTest::newRow("menu") << u"" MENU_PROGRAM ""_s;
    QTest::newRow("menusmith") << u"" MENUSMITH_PROGRAM ""_s;
}

void TestCheckerCli::demoDiscHasOnlyItsWarnings() {
    QFETCH(QString, program);
    const Run result =
        run(program, {u"--check"_s, u"--format"_s, u"json"_s, u"" DEMO_DISC_DIR ""_s});
    QVERIFY2(result.status == 1, result.out.constData());
    // The shell script runs on Linux only; "Not categorised" shows what n/a does.
    QCOMPARE(codesOf(result.out), (QSet<QString>{u"linux-only"_s, u"uncategorised"_s}));
}

void TestCheckerCli::errorsAndMistakes() {
    QTemporaryDir empty;
    const Run missing = run(u"" MENU_PROGRAM ""_s, {u"--check"_s, empty.path()});
    QCOMPARE(missing.status, 3);
    QVERIFY(missing.out.contains("[unreadable-config]"));

    const Run badFormat =
        run(u"" MENUSMITH_PROGRAM ""_s, {u"--check"_s, u"--format"_s, u"xml"_s, empty.path()});
    QCOMPARE(badFormat.status, 2);
    QVERIFY(!badFormat.err.isEmpty());
    QCOMPARE(run(u"" MENU_PROGRAM ""_s, {u"--check"_s, u"--target"_s, u"floppy"_s}).status, 2);
}

// Qt's own options are taken out by QApplication: with them, the command line
// is read again once the window system is there.
void TestCheckerCli::windowSystemOptionsStillWork() {
    QProcessEnvironment offscreen;
    offscreen.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    for (const QString& program : {u"" MENU_PROGRAM ""_s, u"" MENUSMITH_PROGRAM ""_s}) {
        const Run result = run(program, {u"-reverse"_s, u"--version"_s}, offscreen);
        QVERIFY2(result.status == 0, result.err.constData());
        QVERIFY(result.out.contains("1."));
    }
}

QTEST_GUILESS_MAIN(TestCheckerCli)
#include "test_checker_cli.moc"
