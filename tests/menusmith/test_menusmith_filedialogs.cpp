#include "filedialogs.h"
#include "scriptedprompts.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFileDialogs : public QObject {
    Q_OBJECT

private slots:
    void openDialogSplitsTheChosenPath() {
        ScriptedPrompts prompts;
        prompts.expectOpenFile(u"  /disc/img/logo.bmp "_s);
        DialogResults results;
        const QList<Prompts::FileFilter> filters{{u"Bitmaps (*.bmp)"_s, u"*.bmp"_s}};
        QVERIFY(showOpenDialog(prompts, results, u"Pick"_s, filters, u"/disc/"_s, u"ini"_s));
        QVERIFY(results.dialogResult);
        QCOMPARE(results.dialogPath, u"/disc/img/logo.bmp"_s);
        QCOMPARE(results.dialogFolder, u"/disc/img/"_s);
        QCOMPARE(results.dialogFileName, u"logo.bmp"_s);
        QCOMPARE(results.dialogFolder + results.dialogFileName, results.dialogPath);

        const auto& request = prompts.asked().first().file;
        QCOMPARE(prompts.asked().first().kind, ScriptedPrompts::Kind::OpenFile);
        QCOMPARE(request.title, u"Pick"_s);
        QCOMPARE(request.filters, filters);
        QCOMPARE(request.initialFolder, u"/disc/"_s);
        QCOMPARE(request.defaultExtension, u"ini"_s);
        QVERIFY(request.suggestedName.isEmpty());
    }

    void rootFolderAndBackslashPaths() {
        DialogResults results;
        setDialogResults(results, u"C:\\setup.exe"_s);
        QCOMPARE(results.dialogFolder, u"C:\\"_s);
        QCOMPARE(results.dialogFileName, u"setup.exe"_s);
        setDialogResults(results, u"/a"_s);
        QCOMPARE(results.dialogFolder, u"/"_s);
        QCOMPARE(results.dialogFileName, u"a"_s);
    }

    void saveDialogSuggestsTheNameAndKeepsAShorterAnswer() {
        ScriptedPrompts prompts;
        prompts.expectSaveFile(u"/x"_s);
        DialogResults results;
        QVERIFY(
            showSaveDialog(prompts, results, u"Save"_s, {}, u"/p/"_s, u"config.ini"_s, u"ini"_s));
        QCOMPARE(prompts.asked().first().file.suggestedName, u"config.ini"_s);
        QCOMPARE(results.dialogPath, u"/x"_s);
        QCOMPARE(results.dialogFolder, u"/"_s);
        QCOMPARE(results.dialogFileName, u"x"_s);
    }

    void cancelEmptiesEveryResult() {
        ScriptedPrompts prompts;
        prompts.expectOpenFile(u"/disc/a.bmp"_s).expectOpenFile(std::nullopt);
        DialogResults results;
        QVERIFY(showOpenDialog(prompts, results, u"t"_s, {}, u"/disc/"_s));
        QVERIFY(!showOpenDialog(prompts, results, u"t"_s, {}, u"/disc/"_s));
        QVERIFY(!results.dialogResult);
        QVERIFY(results.dialogPath.isEmpty());
        QVERIFY(results.dialogFolder.isEmpty());
        QVERIFY(results.dialogFileName.isEmpty());
    }

    void storedPathsAreRelativeWithBackslashes() {
        QCOMPARE(storedPath(u"/disc/"_s, u"/disc/img/inst.bmp"_s), u"img\\inst.bmp"_s);
        QCOMPARE(storedPath(u"/disc/"_s, u"/disc/icon.ico"_s), u"icon.ico"_s);
        QCOMPARE(storedPath(u"/disc"_s, u"/disc/a/b/c.zip"_s), u"a\\b\\c.zip"_s);
    }

    void storedPathOutsideTheProjectIsAbsolute() {
        QCOMPARE(storedPath(u"/disc/"_s, u"/other/pic.bmp"_s),
                 QDir::toNativeSeparators(u"/other/pic.bmp"_s));
        // A sibling folder whose name begins like the project's is outside it.
        QCOMPARE(storedPath(u"/disc/"_s, u"/disc2/pic.bmp"_s),
                 QDir::toNativeSeparators(u"/disc2/pic.bmp"_s));
        QCOMPARE(storedPath(QString(), u"/disc/pic.bmp"_s),
                 QDir::toNativeSeparators(u"/disc/pic.bmp"_s));
        QCOMPARE(storedPath(u"/disc/"_s, u"/disc/../etc/x"_s),
                 QDir::toNativeSeparators(u"/disc/../etc/x"_s));
    }

    void storedFolders() {
        QCOMPARE(storedFolder(u"/disc/"_s, u"/disc/setup/"_s), u"setup\\"_s);
        QCOMPARE(storedFolder(u"/disc/"_s, u"/disc/a/b"_s), u"a\\b\\"_s);
        QCOMPARE(storedFolder(u"/disc/"_s, u"/disc/"_s), QString());
        QCOMPARE(storedFolder(u"/disc/"_s, u"/tmp/x/"_s), QDir::toNativeSeparators(u"/tmp/x/"_s));
        QCOMPARE(storedFolder(u"/disc/"_s, QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestFileDialogs)
#include "test_menusmith_filedialogs.moc"
