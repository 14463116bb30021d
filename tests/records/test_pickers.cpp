#include "databasepanel.h"
#include "form4.h"
#include "recordeditor.h"
#include "recordpickers.h"
#include "recordstesting.h"
#include "scriptedprompts.h"

#include <editorstate.h>
#include <uitexts.h>

#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace recordstesting;

// The record editor's pickers: the dialog each one shows, what it writes for
// the file chosen, and the internet shortcut dialog opened from both buttons.
class TestPickers : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachPickerShowsItsDialog_data();
    void eachPickerShowsItsDialog();
    void installProgramInASubfolderSplitsCommandAndFolder();
    void extraZipInTheProjectFolderKeepsThePath();
    void installZipInTheProjectFolderGetsNoFolder();
    void documentsAndExtraProgramKeepTheirPrefixes();
    void picturePathIsRelativeWithBackslashes();
    void fileOutsideTheProjectKeepsItsAbsolutePath();
    void cancelledPickerChangesNothing();
    void internetFromInstallThenExtraFillsTheExtraCommand();
    void internetFromInstallFillsTheInstallCommand();
    void internetCancelWritesNothing();

private:
    void openEditorOnFirstRecord();
    QString inProject(const QString& relative) const { return m_project + relative; }

    QTemporaryDir m_dir;
    QString m_project;
    EditorState m_state;
    UiTexts m_texts{u"IT"};
    ScriptedPrompts* m_prompts = nullptr;
    DatabasePanel* m_panel = nullptr;
};

void TestPickers::init() {
    QVERIFY(m_dir.isValid());
    m_project = m_dir.path() + u"/proj/"_s;
    QVERIFY(QDir().mkpath(m_project + u"setup"_s));
    m_state = EditorState{};
    m_state.projectFolder = m_project;
    m_prompts = new ScriptedPrompts;
    m_panel = new DatabasePanel(m_state, m_texts, *m_prompts);
    m_panel->resize(700, 500);
    m_panel->show();
    m_panel->setRecords({AppEntry{u"Game"_s, u"d"_s, u"NO"_s, u"INSTALLA"_s, u"old.exe"_s,
                                  u"old\\"_s, u"EXTRA"_s, u"old.txt"_s, u"n/a"_s}});
    openEditorOnFirstRecord();
}

void TestPickers::cleanup() {
    delete m_panel;
    delete m_prompts;
    flushDeletes();
}

void TestPickers::openEditorOnFirstRecord() {
    control<QListWidget>(m_panel, u"List2"_s)->setCurrentRow(0);
    QVERIFY(click(m_panel, u"Command4"_s));
    QVERIFY(m_panel->isEditing());
}

void TestPickers::eachPickerShowsItsDialog_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("titleKey");
    QTest::addColumn<QString>("filterKey");
    QTest::newRow("picture") << u"Command12"_s << u"txtSelectImage"_s << u"filterImage"_s;
    QTest::newRow("install program")
        << u"Command11"_s << u"txtSelectExecute"_s << u"filterProgram"_s;
    QTest::newRow("install zip") << u"Command23"_s << u"txtSelectZip"_s << u"filterZip"_s;
    QTest::newRow("install document")
        << u"Command26"_s << u"txtSelectExecute"_s << u"filterAnyFile"_s;
    QTest::newRow("extra program") << u"Command14"_s << u"txtExtraExecute"_s << u"filterProgram"_s;
    QTest::newRow("extra zip") << u"Command24"_s << u"txtSelectZip"_s << u"filterZip"_s;
    QTest::newRow("extra document") << u"Command27"_s << u"txtExtraExecute"_s << u"filterAnyFile"_s;
}

void TestPickers::eachPickerShowsItsDialog() {
    QFETCH(QString, button);
    QFETCH(QString, titleKey);
    QFETCH(QString, filterKey);
    m_prompts->expectOpenFile(std::nullopt);
    QVERIFY(click(m_panel, button));
    QCOMPARE(m_prompts->asked().size(), 1);
    const Prompts::FileDialogRequest& request = m_prompts->asked().first().file;
    QCOMPARE(request.title, m_texts.text(titleKey));
    QVERIFY(!request.title.isEmpty());
    QCOMPARE(request.filters, m_texts.filter(filterKey));
    QVERIFY(!request.filters.isEmpty());
    QCOMPARE(request.initialFolder, m_project);
    QCOMPARE(request.defaultExtension, QString());
    // The picker works from the project folder.
    QCOMPARE(QDir::current().canonicalPath(), QDir(m_project).canonicalPath());
}

void TestPickers::installProgramInASubfolderSplitsCommandAndFolder() {
    m_prompts->expectOpenFile(inProject(u"setup/install.exe"_s));
    QVERIFY(click(m_panel, u"Command11"_s));
    QCOMPARE(text(m_panel, u"Text13"_s), u"install.exe"_s);
    QCOMPARE(text(m_panel, u"Text14"_s), u"setup\\"_s);
    QCOMPARE(text(m_panel, u"Text16"_s), u"old.txt"_s);
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().first().installCommand, u"install.exe"_s);
    QCOMPARE(m_panel->records().first().folder, u"setup\\"_s);
}

void TestPickers::extraZipInTheProjectFolderKeepsThePath() {
    m_prompts->expectOpenFile(inProject(u"data.zip"_s));
    QVERIFY(click(m_panel, u"Command24"_s));
    QCOMPARE(text(m_panel, u"Text16"_s), u"[UNZIP]data.zip"_s);
    m_prompts->expectOpenFile(inProject(u"setup/more/data.zip"_s));
    QVERIFY(click(m_panel, u"Command24"_s));
    QCOMPARE(text(m_panel, u"Text16"_s), u"[UNZIP]setup\\more\\data.zip"_s);
    QCOMPARE(text(m_panel, u"Text13"_s), u"old.exe"_s);
    QCOMPARE(text(m_panel, u"Text14"_s), u"old\\"_s);
}

void TestPickers::installZipInTheProjectFolderGetsNoFolder() {
    m_prompts->expectOpenFile(inProject(u"game.zip"_s));
    QVERIFY(click(m_panel, u"Command23"_s));
    QCOMPARE(text(m_panel, u"Text13"_s), u"[UNZIP] game.zip"_s);
    QCOMPARE(text(m_panel, u"Text14"_s), QString());
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().first().installCommand, u"[UNZIP] game.zip"_s);
    QCOMPARE(m_panel->records().first().folder, u"NO"_s);
    QCOMPARE(text(m_panel, u"Text14"_s), u"NO"_s);
}

void TestPickers::documentsAndExtraProgramKeepTheirPrefixes() {
    m_prompts->expectOpenFile(inProject(u"setup/manual.pdf"_s))
        .expectOpenFile(inProject(u"setup/readme.htm"_s))
        .expectOpenFile(inProject(u"setup/tool.exe"_s));
    QVERIFY(click(m_panel, u"Command26"_s));
    QCOMPARE(text(m_panel, u"Text13"_s), u"[ASS]manual.pdf"_s);
    QCOMPARE(text(m_panel, u"Text14"_s), u"setup\\"_s);
    QVERIFY(click(m_panel, u"Command27"_s));
    QCOMPARE(text(m_panel, u"Text16"_s), u"[ASS]setup\\readme.htm"_s);
    QVERIFY(click(m_panel, u"Command14"_s));
    QCOMPARE(text(m_panel, u"Text16"_s), u"setup\\tool.exe"_s);
}

void TestPickers::picturePathIsRelativeWithBackslashes() {
    m_prompts->expectOpenFile(inProject(u"setup/shots/game.bmp"_s));
    QVERIFY(click(m_panel, u"Command12"_s));
    QCOMPARE(text(m_panel, u"Text11"_s), u"setup\\shots\\game.bmp"_s);
    QCOMPARE(text(m_panel, u"Text13"_s), u"old.exe"_s);
}

void TestPickers::fileOutsideTheProjectKeepsItsAbsolutePath() {
    const QString outside = m_dir.path() + u"/elsewhere/tool.exe"_s;
    m_prompts->expectOpenFile(outside).expectOpenFile(outside);
    QVERIFY(click(m_panel, u"Command11"_s));
    QCOMPARE(text(m_panel, u"Text13"_s), u"tool.exe"_s);
    QCOMPARE(text(m_panel, u"Text14"_s), QDir::toNativeSeparators(m_dir.path() + u"/elsewhere/"_s));
    QVERIFY(click(m_panel, u"Command14"_s));
    QCOMPARE(text(m_panel, u"Text16"_s), QDir::toNativeSeparators(outside));
    // The split itself: a stored path that does not end with the file name
    // gives no folder rather than a cut-off one.
    QCOMPARE(pickedFields(RecordPicker::InstallProgram, u"a\\b.exe"_s, u"c.exe"_s).at(1).second,
             QString());
}

void TestPickers::cancelledPickerChangesNothing() {
    for (int i = 0; i < 7; ++i)
        m_prompts->expectOpenFile(std::nullopt);
    for (const RecordPicker picker : allRecordPickers())
        QVERIFY(click(m_panel, pickerDialog(picker).buttonName));
    QCOMPARE(text(m_panel, u"Text11"_s), u"NO"_s);
    QCOMPARE(text(m_panel, u"Text13"_s), u"old.exe"_s);
    QCOMPARE(text(m_panel, u"Text14"_s), u"old\\"_s);
    QCOMPARE(text(m_panel, u"Text16"_s), u"old.txt"_s);
}

void TestPickers::internetFromInstallThenExtraFillsTheExtraCommand() {
    QVERIFY(click(m_panel, u"Command20"_s));
    QCOMPARE(m_state.internetTarget, u"Text13"_s);
    QPointer<Form4> dialog = m_panel->recordEditor()->internetDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    setText(dialog, u"Text1"_s, u"http://www.example.com"_s);

    QVERIFY(click(m_panel, u"Command21"_s));
    QCOMPARE(m_state.internetTarget, u"Text16"_s);
    QCOMPARE(m_panel->recordEditor()->internetDialog(), dialog.data());
    QCOMPARE(text(dialog, u"Text1"_s), u"http://www.example.com"_s);
    // Not modal: the record editor stays usable meanwhile.
    setText(m_panel, u"Text9"_s, u"Renamed"_s);

    QVERIFY(click(dialog, u"Command1"_s));
    QCOMPARE(text(m_panel, u"Text16"_s), u"[INTERNET]http://www.example.com"_s);
    QCOMPARE(text(m_panel, u"Text13"_s), u"old.exe"_s);
    flushDeletes();
    QVERIFY(dialog.isNull());
    QCOMPARE(m_panel->recordEditor()->internetDialog(), nullptr);

    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().first().extraCommand, u"[INTERNET]http://www.example.com"_s);
    QCOMPARE(m_panel->records().first().name, u"Renamed"_s);
}

void TestPickers::internetFromInstallFillsTheInstallCommand() {
    QVERIFY(click(m_panel, u"Command20"_s));
    QPointer<Form4> dialog = m_panel->recordEditor()->internetDialog();
    QVERIFY(dialog);
    control<QAbstractButton>(dialog, u"Option3"_s)->click();
    setText(dialog, u"Text1"_s, text(dialog, u"Text1"_s) + u"me@example.com"_s);
    QVERIFY(click(dialog, u"Command1"_s));
    QCOMPARE(text(m_panel, u"Text13"_s), u"[INTERNET]mailto:me@example.com"_s);
    QCOMPARE(text(m_panel, u"Text16"_s), u"old.txt"_s);
    flushDeletes();

    // A fresh dialog starts again from the web prefix.
    QVERIFY(click(m_panel, u"Command21"_s));
    dialog = m_panel->recordEditor()->internetDialog();
    QVERIFY(dialog);
    QCOMPARE(text(dialog, u"Text1"_s), u"http://"_s);
    // A target that names no field writes nothing.
    m_state.internetTarget = u"3"_s;
    QVERIFY(click(dialog, u"Command1"_s));
    QCOMPARE(text(m_panel, u"Text13"_s), u"[INTERNET]mailto:me@example.com"_s);
    QCOMPARE(text(m_panel, u"Text16"_s), u"old.txt"_s);
}

void TestPickers::internetCancelWritesNothing() {
    QVERIFY(click(m_panel, u"Command21"_s));
    QPointer<Form4> dialog = m_panel->recordEditor()->internetDialog();
    QVERIFY(dialog);
    setText(dialog, u"Text1"_s, u"ftp://x"_s);
    QVERIFY(click(dialog, u"Command2"_s));
    flushDeletes();
    QVERIFY(dialog.isNull());
    QCOMPARE(text(m_panel, u"Text16"_s), u"old.txt"_s);
}

QTEST_MAIN(TestPickers)
#include "test_pickers.moc"
