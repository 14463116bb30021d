#include "projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray header = "============ CONFIG POSIZIONE TESTO =============";

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT

private slots:
    void layoutTextIsWhatFollowsTheHeader() {
        const QByteArray bytes = "[TITL]x\r\n" + header + "\r\n[CO1T]10\r\n[CO1L]20\r\n\r\n";
        QCOMPARE(projectFromBytes(bytes).layoutText, u"[CO1T]10\r\n[CO1L]20\r\n"_s);
    }

    void headerWithNothingAfterItMeansNoLayout() {
        QCOMPARE(projectFromBytes(QByteArray("[TITL]x\r\n" + header + "\r\n")).layoutText, u"NO"_s);
        QCOMPARE(projectFromBytes(QByteArray("[TITL]x\r\n" + header)).layoutText, u"NO"_s);
        QCOMPARE(projectFromBytes("[TITL]x\r\n").layoutText, u"NO"_s);
    }

    void headerTextInsideAValueIsNoHeader() {
        const QByteArray bytes = "[ABOU]" + header + "\r\n[CO1T]5\r\n";
        // No header line: the layout lines of the file are kept as read.
        QCOMPARE(projectFromBytes(bytes).layoutText, u"[CO1T]5"_s);
    }

    void layoutBytesKeepTheirCodePage() {
        const QByteArray bytes = header + "\r\n[BKGR]sfondo\xe8.bmp\r\n\r\n";
        QCOMPARE(projectFromBytes(bytes).layoutText, u"[BKGR]sfondo\u00e8.bmp\r\n"_s);
    }

    void applicationsAfterTheCategoryLinesHaveNone() {
        const auto project =
            projectFromBytes("[NOME]a\r\n[CATN]\r\n[NOME]b\r\n[NOME]c\r\n[CATN]x\r\n");
        QCOMPARE(project.config.apps.size(), 3);
        QCOMPARE(project.config.apps[0].category, QString());
        QCOMPARE(project.config.apps[1].category, u"x"_s);
        QCOMPARE(project.config.apps[2].category, u"n/a"_s);
    }

    void newProjectFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        const QDate date(2026, 3, 4);
        QCOMPARE(writeNewProject(path, date), FileProblem::None);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(file.readAll()), newProjectLine(date) + u"\r\n"_s);
        QVERIFY(newProjectLine(date).startsWith(u"Nuovo file config.ini creato il "_s));
        QVERIFY(
            newProjectLine(date).endsWith(QLocale::system().toString(date, QLocale::ShortFormat)));

        QCOMPARE(writeNewProject(dir.filePath(u"no/such/config.ini"_s), date),
                 FileProblem::FolderNotFound);
    }

    void existingFileInAnyLetterCase() {
        QTemporaryDir dir;
        QFile file(dir.filePath(u"CONFIG.INI"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(existingProjectFile(dir.filePath(u"config.ini"_s)), dir.filePath(u"CONFIG.INI"_s));
        QCOMPARE(existingProjectFile(dir.filePath(u"other.ini"_s)), dir.filePath(u"other.ini"_s));
    }

    void aFileWithoutAnyTagIsNoConfig() {
        QVERIFY(!projectFromBytes("\x89PNG\r\n\x1a\n").looksLikeConfig);
        QVERIFY(!projectFromBytes("Dear author,\r\nthanks.\r\n").looksLikeConfig);
        QVERIFY(projectFromBytes("").looksLikeConfig);
        QVERIFY(projectFromBytes("x\n[CO1T]5").looksLikeConfig);
        QVERIFY(projectFromBytes(newProjectLine(QDate(2026, 1, 2)).toLatin1()).looksLikeConfig);
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "test_menusmith_projectfile.moc"
